// The benchmark program text.
#include "ProgramText.h"

#include <cstdio>

std::vector<std::string> MakeProgramLines(int count) {
    static const char* const commands[] = {
        "configd_FF", "allond",    "pause_64",      "10xpause_05", "alloffd // off", "sound_1B",
        "lcdl1",      "lcdout_41", "portdwrite_AA", "incd",        "decb",           "goto_00F5",
        "onpind_03",  "nop",       "lcdclear",      "stop",
    };
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(count));
    unsigned seed = 12345;
    while (static_cast<int>(lines.size()) < count) {
        seed = seed * 1103515245u + 12345u;
        int n = static_cast<int>(lines.size());
        if (n % 97 == 0) {
            // A comment of a few lines that opens and closes on other lines.
            lines.push_back("{ block " + std::to_string(n) + " starts here");
            lines.push_back("  pause_10 inside the comment");
            lines.push_back("  and ends } lcdl2");
            continue;
        }
        lines.push_back(commands[(seed >> 16) % (sizeof commands / sizeof *commands)]);
    }
    lines.resize(static_cast<std::size_t>(count));
    return lines;
}
