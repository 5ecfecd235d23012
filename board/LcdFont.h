// The dots of the display's characters: the 5 x 7 matrices of the HD44780's A00 character ROM
// for its ASCII half, 0x20-0x7F (with ¥ at 0x5C and the arrows at 0x7E and 0x7F).
#pragma once

#include <array>
#include <cstdint>
#include <optional>

// Rows top to bottom, bit 4 the left column; the eighth row (the cursor's) is empty.
using TLcdGlyph = std::array<std::uint8_t, 8>;

// The dots of code, for 0x20-0x7F; nothing for the codes outside that half.
std::optional<TLcdGlyph> LcdGlyph(std::uint8_t code);
