// What operands mean on the board, and text put on the display as lines: one table each.
#include "board/OperandMeaning.h"
#include "base/Cp1251.h"
#include "board/LcdText.h"

#include <gtest/gtest.h>

namespace {

TEST(OperandMeaning, EveryRule) {
    struct TRow {
        const char* line;
        int column; // -1: the whole line's meaning
        const char* expect;
    };
    const TRow rows[] = {
        {"pause_64", -1, "100 мс"},
        {"10xpause_64", -1, "1,00 с"},
        {"sound_32_64", -1, "0,50 с, 1 000 Гц"},
        {"onpind_03", -1, "вывод D.3"},
        {"lcdout_48", -1, "символ H"},
        {"configd_0F", -1, "D.0–D.3 выходы, D.4–D.7 входы"},
        // Times: under a second in ms, then seconds; lower-case digits as the compile reads them.
        {"pause_00", -1, "0 мс"},
        {"pause_6a // x", -1, "106 мс"},
        {"10xpause_32", -1, "500 мс"},
        {"10xpause_FF", -1, "2,55 с"},
        // Tones: length always in seconds, pitch rounded, 0 is silence.
        {"sound_FF_01", -1, "2,55 с, 100 000 Гц"},
        {"sound_0A_07", -1, "0,10 с, 14 286 Гц"},
        {"sound_32_00", -1, "0,50 с, тишина"},
        // Pins and ports: runs of three or more with a dash, one pin in the singular.
        {"offpinb_07", -1, "вывод B.7"},
        {"onpind_08", -1, "номер вывода больше 7"},
        {"configb_FF", -1, "B.0–B.7 выходы"},
        {"configd_00", -1, "D.0–D.7 входы"},
        {"configd_A5", -1, "D.0, D.2, D.5, D.7 выходы, D.1, D.3, D.4, D.6 входы"},
        {"configd_06", -1, "D.1, D.2 выходы, D.0, D.3–D.7 входы"},
        {"configd_20", -1, "D.5 выход, D.0–D.4, D.6, D.7 входы"},
        {"portdwrite_80", -1, "D.7 включён, D.0–D.6 выключены"},
        {"portbwrite_FF", -1, "B.0–B.7 включены"},
        // Characters through the A00 ROM.
        {"lcdout_5C", -1, "символ ¥"},
        {"lcdout_7E", -1, "символ →"},
        {"lcdout_20", -1, "пробел"},
        {"lcdout_03", -1, "символ пользователя 3"},
        {"lcdout_80", -1, "нет знака в ПЗУ дисплея"},
        // Faulty operands, goto, bare commands and other lines mean nothing here.
        {"pause_6G", -1, ""},
        {"pause_6", -1, ""},
        {"sound_32_6", -1, ""},
        {"goto_0018", -1, ""},
        {"stop", -1, ""},
        {"PAUSE_64", -1, ""},
        // Over the operands only: from the "_" to the last digit, leading spaces counted.
        {"  pause_64", 7, "100 мс"},
        {"  pause_64", 9, "100 мс"},
        {"  pause_64", 6, ""},
        {"  pause_64", 10, ""},
        {"sound_32_64 // x", 10, "0,50 с, 1 000 Гц"},
        {"sound_32_64 // x", 11, ""},
        {"stop", 2, ""},
    };
    for (const TRow& row : rows) {
        std::string got =
            row.column < 0 ? LineMeaning(row.line) : OperandMeaningAt(row.line, row.column);
        EXPECT_EQ(got, row.expect) << row.line << " @" << row.column;
    }
}

TEST(LcdText, LinesOrMissingCharacters) {
    struct TRow {
        std::u32string_view text;
        int row;
        const char* lines; // UTF-8, one per "\n"
        const char* message;
    };
    const TRow rows[] = {
        {U"HELLO", 2,
         "lcdl2\nlcdout_48 // H\nlcdout_45 // E\nlcdout_4C // L\nlcdout_4C // L\nlcdout_4F // O",
         ""},
        {U"a }", 0, "lcdout_61 // a\nlcdout_20 // пробел\nlcdout_7D // }", ""},
        {U"1", 4, "lcdl4\nlcdout_31 // 1", ""},
        {U"ЖаЖ\\~z", 1, "", "Нет на дисплее: Ж, а, \\, ~"},
        {U"x\ty", 3, "", "Нет на дисплее: U+0009"},
        {U"", 1, "", ""},
    };
    for (const TRow& row : rows) {
        TLcdTextLines got = LcdTextLines(row.text, row.row);
        std::string lines;
        for (const std::string& line : got.Lines)
            lines += (lines.empty() ? "" : "\n") + Cp1251ToUtf8(line);
        EXPECT_EQ(lines, row.lines) << row.lines;
        EXPECT_EQ(got.Missing.empty() ? "" : MissingCharactersMessage(got.Missing), row.message);
    }
}

} // namespace
