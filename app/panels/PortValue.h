// The port-data panel's arithmetic: eight check boxes to a bit string, binary digits to
// hexadecimal text.
#pragma once

#include <array>
#include <string>
#include <string_view>

// One hexadecimal digit ('0'-'9', 'A'-'F') for a group of exactly four binary digits. Any other
// group sets invalid (and leaves it set otherwise untouched); the digit returned is then '0'.
char NibbleToHexChar(std::string_view group, bool& invalid);

// Hexadecimal text of a string of binary digits, most significant first: "0" stays "0", other
// strings are filled with leading zeros to a multiple of four digits and turned into one digit
// per group; the empty text gives the empty text. Any character other than 0 or 1 gives "0".
std::string BinaryToHex(std::string_view bits);

// The texts "Переместить в нижнюю команду" puts in place.
struct PortValue {
    std::string Digits; // two hexadecimal digits, for the data field
    std::string Shown;  // "0x" and the same digits, shown beside the check boxes
};

// The value of the eight check boxes; checked[i] is the box of bit i (CheckBox1 is bit 0).
PortValue MakePortValue(const std::array<bool, 8>& checked);
