// The Windows-1251 code page in both directions.
#include "base/Cp1251.h"

#include <gtest/gtest.h>

TEST(Cp1251, RoundTripsEveryDefinedByte) {
    for (int b = 0; b < 256; ++b) {
        std::string byte(1, static_cast<char>(b));
        std::string utf8 = Cp1251ToUtf8(byte);
        if (b == 0x98) {
            EXPECT_EQ(utf8, "\xEF\xBF\xBD");
            EXPECT_EQ(Utf8ToCp1251(utf8), "");
            continue;
        }
        EXPECT_EQ(Utf8ToCp1251(utf8), byte) << "byte " << b;
    }
}

TEST(Cp1251, KnownLettersAndDroppedCharacters) {
    EXPECT_EQ(Utf8ToCp1251("Пауза"), "\xCF\xE0\xF3\xE7\xE0");
    EXPECT_EQ(Cp1251ToUtf8("\xC0\xFF\xA8\xB8"), "АяЁё");
    EXPECT_EQ(Utf8ToCp1251("a€b"), "a\x88"
                                   "b");
    // Outside the code page, and broken UTF-8, are dropped.
    EXPECT_EQ(Utf8ToCp1251("x中y😀z"), "xyz");
    EXPECT_EQ(Utf8ToCp1251("a\xC3"), "a");
    EXPECT_EQ(Utf8ToCp1251("a\x80"
                           "b\xE2\x82"),
              "ab");
}
