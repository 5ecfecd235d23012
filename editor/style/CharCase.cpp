// Case tables of Windows-1251, built once from the code page's code points.
#include "editor/style/CharCase.h"

#include "base/Cp1251.h"

#include <algorithm>
#include <array>

namespace {

char32_t LowerCodePoint(char32_t c) {
    if (c >= U'A' && c <= U'Z')
        return c + 0x20;
    if (c >= 0x0410 && c <= 0x042F) // А..Я
        return c + 0x20;
    if (c >= 0x0400 && c <= 0x040F) // Ѐ..Џ
        return c + 0x50;
    if (c == 0x0490) // Ґ
        return 0x0491;
    return c;
}

char32_t UpperCodePoint(char32_t c) {
    if (c >= U'a' && c <= U'z')
        return c - 0x20;
    if (c >= 0x0430 && c <= 0x044F)
        return c - 0x20;
    if (c >= 0x0450 && c <= 0x045F)
        return c - 0x50;
    if (c == 0x0491)
        return 0x0490;
    return c;
}

struct Tables {
    std::array<char, 256> Lower{};
    std::array<char, 256> Upper{};
    Tables() {
        for (int b = 0; b < 256; ++b) {
            auto byte = static_cast<unsigned char>(b);
            char32_t cp = Cp1251CodePoint(byte);
            int lower = Cp1251Byte(LowerCodePoint(cp));
            int upper = Cp1251Byte(UpperCodePoint(cp));
            Lower[byte] = static_cast<char>(lower < 0 ? b : lower);
            Upper[byte] = static_cast<char>(upper < 0 ? b : upper);
        }
    }
};

const Tables& CaseTables() {
    static const Tables tables;
    return tables;
}

} // namespace

char AnsiLowerChar(char c) {
    return CaseTables().Lower[static_cast<unsigned char>(c)];
}

char AnsiUpperChar(char c) {
    return CaseTables().Upper[static_cast<unsigned char>(c)];
}

std::string AnsiLowerCase(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = AnsiLowerChar(c);
    return out;
}

std::string AnsiUpperCase(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = AnsiUpperChar(c);
    return out;
}

int AnsiCompareText(std::string_view a, std::string_view b) {
    std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        auto ca = static_cast<unsigned char>(AnsiLowerChar(a[i]));
        auto cb = static_cast<unsigned char>(AnsiLowerChar(b[i]));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}
