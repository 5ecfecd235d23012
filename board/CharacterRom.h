// The HD44780's standard character ROM (A00) as Unicode, for drawing the display as text.
#pragma once

#include <cstdint>
#include <string>

// The character the A00 ROM shows for a code: ASCII for 0x20..0x7D except 0x5C (¥), the arrows
// at 0x7E and 0x7F, the half-width katakana at 0xA1..0xDF, the Greek letters and symbols of
// 0xE0..0xFF that the ROM has; a blank (U+0020) for the eight user characters 0x00..0x07 and
// the codes the ROM leaves empty.
char32_t LcdCharacter(std::uint8_t code);

// Appends a code point to UTF-8 text.
void AppendUtf8(std::string& text, char32_t codePoint);
