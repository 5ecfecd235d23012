// The warnings for lines the compile passes over: one row per rule and edge, and silence on
// every program the repository keeps.
#include "CompilerTestSupport.h"

#include "base/Cp1251.h"
#include "base/TextFile.h"
#include "compiler/LineLint.h"
#include "compiler/LinesCompileTarget.h"

#include <map>

namespace {

TEST(LineLint, Rules) {
    const std::pair<std::string, std::string> rows[] = {
        // Another case.
        {"PAUSE_64", "1: команды пишутся строчными буквами: pause"},
        {"Stop", "1: команды пишутся строчными буквами: stop"},
        {"  GOTO_0002 // back", "1: команды пишутся строчными буквами: goto"},
        // Close to a command, or another language's word for one.
        {"alond", "1: нет команды alond — возможно, allond"},
        {"pasue_10", "1: нет команды pasue — возможно, pause"},
        {"stp", "1: нет команды stp — возможно, stop"},
        {"lcdl5", "1: нет команды lcdl5 — возможно, lcdl1, lcdl2, lcdl3, lcdl4"},
        {"delay_64", "1: нет команды delay — возможно, pause, 10xpause"},
        {"Wait", "1: нет команды Wait — возможно, pause, 10xpause"},
        {"beep", "1: нет команды beep — возможно, sound"},
        {"jmp 0002", "1: нет команды jmp — возможно, goto"},
        {"jump_0002", "1: нет команды jump — возможно, goto"},
        {"out_FF", "1: нет команды out — возможно, portdwrite, portbwrite"},
        // A mnemonic run on into letters.
        {"stopper", "1: строка читается как stop"},
        {"nopxyz", "1: строка читается как nop"},
        // A second command in the ignored text.
        {"alloffd pause_10", "9: вторая команда в строке не компилируется: pause_10"},
        {"  allond   stop", "10: вторая команда в строке не компилируется: stop"},
        {"goto_0002 then sound_20_3C", "16: вторая команда в строке не компилируется: sound_20_3C"},
        // Quiet.
        {"", ""},
        {"pause_64", ""},
        {"incd// no space", ""},
        {"goto_0002 loop // allond", ""},
        {"allond then pause", ""},
        {"alloffd pause_6Z", ""},
        {"// alond", ""},
        {"{ alond }", ""},
        {"alond:", ""},
        {"Stop:", ""},
        {"x incd", ""},
        {"nd", ""},
        {"allo", ""},
        {"no comment", ""},
        {"x=1", ""},
        {Utf8ToCp1251("аlond"), ""}, // a Cyrillic "а"
        {Utf8ToCp1251("Пауза pause_64"), ""},
        {"loop", ""},
        {"start", ""},
    };
    for (const auto& [line, expected] : rows) {
        SCOPED_TRACE(line);
        auto finding = LintLine(line);
        EXPECT_EQ(finding ? std::to_string(finding->Column) + ": " + finding->Message : "",
                  expected);
    }
}

// Every example and every scenario's program is quiet, but for the scenarios written about the
// very lines the warnings are for: a line the keys then mend, or one that shows what the compile
// passes over.
TEST(LineLint, ProgramsOfTheRepositoryAreQuiet) {
    const std::map<std::string, std::vector<std::string>> expected = {
        {"tests/scenarios/ctrl-backspace-deletes-word/in.tovix",
         {"1:8: вторая команда в строке не компилируется: stop"}},
        {"tests/scenarios/delete-at-line-end-joins-lines/in.tovix",
         {"1:1: нет команды paus — возможно, pause"}},
        {"tests/scenarios/enter-splits-a-line/in.tovix",
         {"1:8: вторая команда в строке не компилируется: alloffd"}},
        {"tests/scenarios/fix-typo-in-mnemonic/in.tovix",
         {"3:1: нет команды puase — возможно, pause"}},
        {"tests/scenarios/only-lines-starting-with-a-command-compile/in.tovix",
         {"1:1: команды пишутся строчными буквами: stop",
          "2:1: команды пишутся строчными буквами: pause"}},
        {"tests/scenarios/overwrite-past-line-end/out.tovix", {"1:1: строка читается как nop"}},
    };
    std::vector<std::string> programs = ExamplePrograms();
    for (const auto& folder : FilesIn((SourceDir() / "tests/scenarios").string()))
        for (const char* file : {"/in.tovix", "/out.tovix"})
            if (std::filesystem::exists(SourceDir() / "tests/scenarios" / (folder + file)))
                programs.push_back("tests/scenarios/" + folder + file);
    EXPECT_GT(programs.size(), 40u);
    for (const auto& path : programs) {
        SCOPED_TRACE(path);
        TLinesCompileTarget text(ReadTextFile((SourceDir() / path).string(), 4));
        std::vector<std::string> found;
        for (const auto& w : LintWarnings(text))
            found.push_back(std::to_string(w.Line + 1) + ":" + std::to_string(w.Indent + w.Column) +
                            ": " + w.Message);
        auto it = expected.find(path);
        EXPECT_EQ(found, it == expected.end() ? std::vector<std::string>{} : it->second);
    }
}

} // namespace
