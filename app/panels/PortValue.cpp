// Bit strings to hexadecimal text for the port-data panel.
#include "app/panels/PortValue.h"

char NibbleToHexChar(std::string_view group, bool& invalid) {
    static constexpr std::string_view kDigits = "0123456789ABCDEF";
    if (group.size() != 4) {
        invalid = true;
        return '0';
    }
    int value = 0;
    for (char c : group) {
        if (c != '0' && c != '1') {
            invalid = true;
            return '0';
        }
        value = value * 2 + (c - '0');
    }
    return kDigits[static_cast<std::size_t>(value)];
}

std::string BinaryToHex(std::string_view bits) {
    if (bits == "0")
        return "0";
    std::string filled(static_cast<std::size_t>((4 - bits.size() % 4) % 4), '0');
    filled += bits;

    std::string result;
    bool invalid = false;
    for (std::size_t at = 0; at < filled.size(); at += 4)
        result += NibbleToHexChar(std::string_view(filled).substr(at, 4), invalid);
    return invalid ? "0" : result;
}

PortValue MakePortValue(const std::array<bool, 8>& checked) {
    std::string bits;
    for (int bit = 7; bit >= 0; --bit)
        bits += checked[static_cast<std::size_t>(bit)] ? '1' : '0';
    std::string hex = BinaryToHex(bits);
    return {hex, "0x" + hex};
}
