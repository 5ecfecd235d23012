// The A00 character ROM's table.
#include "board/CharacterRom.h"

#include <array>

namespace {

// The upper row 0xE0..0xFF: letters and symbols; 0 where the ROM has a glyph with no Unicode
// character of its own (it is drawn blank).
constexpr std::array<char32_t, 32> kHigh = {
    U'α', U'ä', U'β', U'ε', U'μ',  U'σ',  U'ρ',  U'g', U'√', 0,    U'j',
    0,    U'¢', 0,    U'ñ', U'ö',  U'p',  U'q',  U'θ', U'∞', U'Ω', U'ü',
    U'Σ', U'π', 0,    U'y', U'千', U'万', U'円', U'÷', 0,    U'█',
};

} // namespace

char32_t LcdCharacter(std::uint8_t code) {
    if (code == 0x5C)
        return U'¥';
    if (code >= 0x20 && code <= 0x7D)
        return code;
    if (code == 0x7E)
        return U'→';
    if (code == 0x7F)
        return U'←';
    if (code >= 0xA1 && code <= 0xDF)
        return U'\uFF61' + (code - 0xA1); // 。「」、・ヲ ... ﾞﾟ as JIS X 0201 orders them
    if (code >= 0xE0 && kHigh[code - 0xE0] != 0)
        return kHigh[code - 0xE0];
    return U' ';
}

void AppendUtf8(std::string& text, char32_t c) {
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (c >> 18));
        text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
}
