// A text put on the display as program lines: the line command, then one lcdout per character
// with the code of the display's character ROM, so that nobody looks codes up in a table.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct TLcdTextLines {
    // Program lines, Windows-1251: "lcdl2", then "lcdout_48 // H" per character. None when a
    // character is missing.
    std::vector<std::string> Lines;
    // The characters the ROM has no glyph for, each once, in the order of the text.
    std::u32string Missing;
};

// The lines that write text from display line row (1-4) or, with row 0, from wherever the
// display's cursor stands (no lcdl line). The ROM's ASCII glyphs are used: 0x20-0x7D but the
// backslash, whose code shows ¥; anything else is missing.
TLcdTextLines LcdTextLines(std::u32string_view text, int row);

// "Нет на дисплее: Ж, \" for the missing characters (UTF-8); a control character, which
// shows nothing, is named by its code ("U+0009").
std::string MissingCharactersMessage(std::u32string_view missing);
