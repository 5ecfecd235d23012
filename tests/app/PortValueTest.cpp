// Binary digits to hexadecimal text, and the value the eight port check boxes make.
#include "app/panels/PortValue.h"

#include <gtest/gtest.h>

namespace {

TEST(PortPanel, NibbleToHexCharFlagsOtherGroups) {
    for (const char* group : {"0102", "000", "00000", "", "abcd", "1 10"}) {
        bool invalid = false;
        NibbleToHexChar(group, invalid);
        EXPECT_TRUE(invalid) << '"' << group << '"';
    }
    // A valid group leaves an earlier report standing.
    bool invalid = true;
    NibbleToHexChar("1111", invalid);
    EXPECT_TRUE(invalid);
}

TEST(PortPanel, BinaryToHex) {
    struct Case {
        const char* bits;
        const char* hex;
    } cases[] = {
        {"00000000", "00"},
        {"10000000", "80"},
        {"00001111", "0F"},
        {"11111111", "FF"},
        {"10101010", "AA"},
        {"01010101", "55"},
        {"101", "5"},
        {"11111", "1F"},
        {"0", "0"},
        {"00", "0"},
        {"", ""},
        {"1021", "0"},
        {"1", "1"},
        {"1100", "C"},
        {"110111101", "1BD"},
        {"1111000x", "0"},
        {"000100100011010001010110011110001001101010111100110111101111", "123456789ABCDEF"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BinaryToHex(c.bits), c.hex) << '"' << c.bits << '"';
}

TEST(PortPanel, CheckBoxesMakeTwoDigitsBitSevenFirst) {
    struct Case {
        std::array<bool, 8> checked; // bit 0 first
        const char* hex;
    } cases[] = {
        {{}, "00"},
        {{false, false, false, false, false, false, false, true}, "80"},
        {{true, true, true, true, false, false, false, false}, "0F"},
        {{true, true, true, true, true, true, true, true}, "FF"},
        {{false, true, false, true, false, true, false, true}, "AA"},
        {{true, false, true, false, true, false, true, false}, "55"},
        {{true, false, false, false, false, false, false, false}, "01"},
        {{false, false, false, false, true, false, false, false}, "10"},
    };
    for (const Case& c : cases) {
        PortValue value = MakePortValue(c.checked);
        EXPECT_EQ(value.Digits, c.hex);
        EXPECT_EQ(value.Shown, std::string("0x") + c.hex);
    }
}

} // namespace
