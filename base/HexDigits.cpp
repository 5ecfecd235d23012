// Hexadecimal digits.
#include "base/HexDigits.h"

void AppendHexDigits(std::string& out, unsigned value, int digits) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    char reversed[2 * sizeof value];
    int count = 0;
    do {
        reversed[count++] = kDigits[value & 0xF];
        value >>= 4;
    } while (value != 0);
    for (int k = count; k < digits; ++k)
        out += '0';
    while (count > 0)
        out += reversed[--count];
}

std::string HexDigits(unsigned value, int digits) {
    std::string out;
    AppendHexDigits(out, value, digits);
    return out;
}
