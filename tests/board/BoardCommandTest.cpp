// Every command of the board model, its edge cases, the warnings and the errors: one row each,
// a program and the state it must leave.
#include "board/BoardProbe.h"
#include "board/LcdFont.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

Lines Repeat(const std::string& line, int n) {
    return Lines(static_cast<std::size_t>(n), line);
}

Lines Join(std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

struct TRow {
    const char* name;
    Lines lines;       // compiled in memory ...
    std::string image; // ... or, when lines is empty, the image bytes as they are
    const char* expect;
    std::uint64_t ms = 1000;
};

std::string Bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values)
        s += static_cast<char>(v);
    return s;
}

TEST(BoardCommands, EveryCommandAndItsEdges) {
    const TRow rows[] = {
        // Time: 100 us per fetched byte, stop included; pc stays on the stop.
        {"stop", {"stop"}, {}, "status=stopped pc=0000 time=100 steps=1 line=1"},
        {"nop", {"nop", "  nop // x", "stop"}, {}, "pc=0002 time=300 steps=3 line=3"},
        {"power-up state",
         {"stop"},
         {},
         "portd=00 ddrd=00 portb=00 ddrb=00 lcd=- ac=00 "
         "shift=00 volume=normal tones=0 tone=- warn= error=-"},
        {"allon", {"allond", "allonb", "stop"}, {}, "portd=FF portb=FF"},
        {"alloff", {"allond", "allonb", "alloffd", "stop"}, {}, "portd=00 portb=FF"},
        {"alloffb", {"allonb", "alloffb", "stop"}, {}, "portb=00"},
        {"config", {"configd_A5", "configb_3c", "stop"}, {}, "ddrd=A5 ddrb=3C time=500"},
        {"write", {"portdwrite_12", "portbwrite_34", "stop"}, {}, "portd=12 portb=34"},
        {"inc and dec wrap",
         {"portdwrite_FF", "incd", "portbwrite_00", "decb", "stop"},
         {},
         "portd=00 portb=FF"},
        {"incb decd", {"incb", "incb", "decd", "stop"}, {}, "portb=02 portd=FF"},
        {"invert", {"portdwrite_0F", "invertd", "invertb", "stop"}, {}, "portd=F0 portb=FF"},
        {"onpin", {"onpind_07", "onpind_00", "onpinb_03", "stop"}, {}, "portd=81 portb=08"},
        {"offpin",
         {"allond", "offpind_07", "allonb", "offpinb_00", "stop"},
         {},
         "portd=7F portb=FE"},
        {"pin over 7 warns", {"onpind_08", "offpinb_FF", "stop"}, {}, "portd=00 warn=0000,0002"},
        {"a warning once per offset",
         {"allond", "offpind_0A", "goto_0001"},
         {},
         "warn=0001 portd=FF status=running"},
        {"pause", {"pause_0A", "stop"}, {}, "time=10300"},
        {"10xpause", {"10xpause_02", "stop"}, {}, "time=20300"},
        {"pause runs whole past the limit", {"pause_FF", "stop"}, {}, "time=255200 steps=1", 10},
        {"reset keeps the state", {"incd", "reset"}, {}, "pc=0000 portd=05 steps=10 time=1000", 1},
        {"goto", {"goto_0004", "allond", "stop"}, {}, "status=stopped pc=0004 portd=00 time=400"},
        // Errors: nothing of the failing command happens.
        {"goto into a command",
         {"goto_0001", "stop"},
         {},
         "status=error error=0000 pc=0000 time=0 steps=0 errmsg=переход_внутрь_команды_(0001)"},
        {"goto outside",
         {"goto_0004", "stop"},
         {},
         "error=0000 errmsg=переход_за_пределы_программы_(0004)"},
        {"goto to the image's end", {"goto_0003"}, {}, "error=0000"},
        {"running off the end",
         {"allond"},
         {},
         "status=error pc=0001 error=0001 line=0 time=100 steps=1 portd=FF"},
        {"empty program", {"// nothing"}, {}, "status=error pc=0000 error=0000 steps=0"},
        {"unknown opcode",
         {},
         Bytes({0x06, 0xFF}),
         "portd=FF error=0001 errmsg=байт_FF_не_является_командой"},
        {"command cut by the end", {}, Bytes({0x03, 0x00}), "error=0000 steps=0"},
        {"a byte that is no opcode is one byte long",
         {},
         Bytes({0x03, 0x00, 0x04, 0xEE, 0x02}),
         "status=stopped pc=0004 line=0"},
        // The LCD.
        {"LCD commands before init warn",
         {"lcdout_41", "lcdclear", "lcdl2", "lcdleft", "lcdright", "stop"},
         {},
         "warn=0000,0002,0003,0004,0005 lcd=- ac=00 shift=00 lcd1= time=700"},
        {"initlcdd", {"initlcdd", "lcdout_41", "lcdout_42", "stop"}, {}, "lcd=D ac=02 lcd1=AB"},
        {"initlcdb clears", {"initlcdd", "lcdout_41", "initlcdb", "stop"}, {}, "lcd=B ac=00 lcd1="},
        {"ac wraps to the second line",
         Join({{"initlcdd"}, Repeat("lcdout_30", 40), {"lcdout_31", "stop"}}),
         {},
         "ac=41 lcd1=00000000000000000000 lcd3=00000000000000000000 lcd2=1"},
        {"ac wraps back to the first line",
         Join({{"initlcdd", "lcdl2"}, Repeat("lcdout_32", 40), {"lcdout_33", "stop"}}),
         {},
         "ac=01 lcd1=3 lcd2=22222222222222222222 lcd4=22222222222222222222"},
        {"line addresses",
         {"initlcdd", "lcdl3", "lcdout_43", "lcdl4", "lcdout_44", "lcdl2", "lcdout_42", "lcdl1",
          "lcdout_41", "stop"},
         {},
         "ac=01 lcd1=A lcd2=B lcd3=C lcd4=D"},
        {"ac wraps from line 4 to line 1",
         Join({{"initlcdd", "lcdl4"}, Repeat("lcdout_34", 21), {"stop"}}),
         {},
         "ac=01 lcd1=4 lcd4=44444444444444444444"},
        {"shift left",
         {"initlcdd", "lcdout_41", "lcdout_42", "lcdleft", "stop"},
         {},
         "shift=01 lcd1=B lcd3=...................A"},
        {"shift right", {"initlcdd", "lcdout_41", "lcdright", "stop"}, {}, "shift=27 lcd1=.A"},
        {"shift is mod 40", Join({{"initlcdd"}, Repeat("lcdleft", 41), {"stop"}}), {}, "shift=01"},
        {"lcdclear",
         {"initlcdd", "lcdout_41", "lcdleft", "lcdclear", "stop"},
         {},
         "ac=00 shift=00 lcd1= lcd=D"},
        {"character ROM",
         {"initlcdd", "lcdout_5C", "lcdout_7E", "lcdout_B1", "lcdout_E0", "lcdout_01", "lcdout_7A",
          "lcdout_7D", "lcdout_80", "lcdout_21", "stop"},
         {},
         "lcd1=¥→ｱα.z}.!"},
        // Sound.
        {"sound", {"sound_20_3C", "stop"}, {}, "tones=1 tone=300/320000/600 time=320400"},
        {"silent sound", {"nop", "sound_01_00", "stop"}, {}, "tones=1 tone=400/10000/0"},
        {"the last tone counts",
         {"sound_00_10", "sound_02_05", "stop"},
         {},
         "tones=2 tone=600/20000/50"},
        {"outsound", {"outsound", "stop"}, {}, "volume=raised time=200"},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.name);
        TBoard board(row.lines.empty() ? TBoardProgram(row.image) : Compiled(row.lines));
        board.Run(TRunLimits{UINT64_MAX, row.ms * 1000, -1});
        EXPECT_EQ(Mismatches(board, row.expect), "");
    }
}

// The texts of warnings and errors, with the offset, the line and the step they come from.
TEST(BoardCommands, EventsCarryOffsetLineAndText) {
    TBoard board(Compiled({"// pins", "onpinb_09", "", "lcdl1", "goto_0001"}));
    board.Run(TRunLimits{UINT64_MAX, 100'000, -1});
    EXPECT_EQ(board.Warnings(), (std::vector<TBoardEvent>{{0, 2, "номер вывода больше 7", 0},
                                                          {2, 4,
                                                           "ЖКИ не подключён (нет initlcdd "
                                                           "или initlcdb)",
                                                           1}}));
    ASSERT_TRUE(board.Error());
    EXPECT_EQ(*board.Error(), (TBoardEvent{3, 5, "переход внутрь команды (0001)", 2}));
}

// The display's dots: a few characters drawn out, and the ROM's ASCII half only.
TEST(BoardCommands, LcdGlyphs) {
    auto drawn = [](std::uint8_t code) {
        std::string rows;
        const TLcdGlyph glyph = LcdGlyph(code).value();
        for (std::uint8_t row : glyph)
            for (int bit = 4; bit >= 0; --bit)
                rows += (row >> bit) & 1 ? '#' : '.';
        return rows;
    };
    EXPECT_EQ(drawn('A'), ".###.#...##...##...#######...##...#.....");
    EXPECT_EQ(drawn(0x5C), "#...#.#.#.#####..#..#####..#....#.......");
    EXPECT_EQ(drawn('e'), "...........###.#...#######.....###......");
    EXPECT_EQ(drawn(' '), std::string(40, '.'));
    EXPECT_FALSE(LcdGlyph(0x1F));
    EXPECT_FALSE(LcdGlyph(0x80));
    EXPECT_FALSE(LcdGlyph(0xB1));
}

} // namespace
