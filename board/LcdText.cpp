// Text to lcdout lines through the A00 character ROM.
#include "board/LcdText.h"

#include "base/Cp1251.h"
#include "base/HexDigits.h"
#include "board/BoardConstants.h"
#include "board/CharacterRom.h"

#include <cstdio>

namespace {

// The ROM's code for c, or -1: only the codes that show c itself.
int RomCode(char32_t c) {
    if (c < 0x20 || c > 0x7F)
        return -1;
    return LcdCharacter(static_cast<std::uint8_t>(c)) == c ? static_cast<int>(c) : -1;
}

} // namespace

TLcdTextLines LcdTextLines(std::u32string_view text, int row) {
    TLcdTextLines out;
    for (char32_t c : text)
        if (RomCode(c) < 0 && out.Missing.find(c) == std::u32string::npos)
            out.Missing += c;
    if (!out.Missing.empty() || text.empty())
        return out;
    if (row >= 1 && row <= kBoard.LcdRows)
        out.Lines.push_back("lcdl" + std::to_string(row));
    for (char32_t c : text) {
        std::string comment =
            c == U' ' ? Utf8ToCp1251("пробел") : std::string(1, static_cast<char>(c));
        out.Lines.push_back("lcdout_" + HexDigits(static_cast<unsigned>(RomCode(c)), 2) + " // " +
                            comment);
    }
    return out;
}

std::string MissingCharactersMessage(std::u32string_view missing) {
    std::string out = "Нет на дисплее: ";
    for (std::size_t i = 0; i < missing.size(); ++i) {
        if (i != 0)
            out += ", ";
        if (missing[i] < 0x20) {
            char code[8];
            std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(missing[i]));
            out += code;
        } else {
            AppendUtf8(out, missing[i]);
        }
    }
    return out;
}
