// The programmer's command line: words as a shell would part them, the refusals of what only a
// shell does, and the placeholders each put in as one argument.
#include "workbench/ProgrammerCommand.h"

#include <gtest/gtest.h>

namespace {

using Words = std::vector<std::string>;

const std::string kNoShell = "Команда запускается без оболочки: ";
std::string NotWithoutShell(const char* what) {
    return kNoShell + "«" + what +
           "» в ней не работает. Уберите его или возьмите в одинарные кавычки.";
}

TEST(ProgrammerCommand, Table) {
    // Paths with spaces, quotes and a $ stay one argument each and are never read again.
    const TProgrammerFiles files{"/w/my prog.bin", "/w/it's \"x\".hex", "/w/$HOME {hex}.tovix"};
    struct Row {
        const char* line;
        Words arguments; // after substitution; empty for an error
        std::string error = {};
    };
    const Row rows[] = {
        {"minipro -p AT24C256 -s -w {bin}",
         {"minipro", "-p", "AT24C256", "-s", "-w", "/w/my prog.bin"}},
        {"  tool\t-x   {hex}  ", {"tool", "-x", "/w/it's \"x\".hex"}},
        {"tool --in={bin} {program}", {"tool", "--in=/w/my prog.bin", "/w/$HOME {hex}.tovix"}},
        {"tool {bin}{hex}", {"tool", "/w/my prog.bin/w/it's \"x\".hex"}},
        // Quotes join words and keep their characters; a backslash keeps the next one.
        {"'/opt/my tool' \"a b\" c\\ d '' e'f'\"g\"", {"/opt/my tool", "a b", "c d", "", "efg"}},
        {"t '|&;<>`$(x)' \"a\\\"b\\\\c\\$d\\`e\\n\"", {"t", "|&;<>`$(x)", "a\"b\\c$d`e\\n"}},
        {"t \\| \\$HOME \\'", {"t", "|", "$HOME", "'"}},
        {"t '{bin}' x{bin}y", {"t", "/w/my prog.bin", "x/w/my prog.biny"}},
        // A $ a shell keeps, and braces that are no {name}.
        {"t $ a$ $1 \"$\" {} {a b} {", {"t", "$", "a$", "$1", "$", "{}", "{a", "b}", "{"}},
        {"", {}, "Команда программатора не задана."},
        {" \t ", {}, "Команда программатора не задана."},
        {"a | b", {}, NotWithoutShell("|")},
        {"a > log", {}, NotWithoutShell(">")},
        {"a<b", {}, NotWithoutShell("<")},
        {"a; b", {}, NotWithoutShell(";")},
        {"a &", {}, NotWithoutShell("&")},
        {"a `b`", {}, NotWithoutShell("`")},
        {"a \"`b`\"", {}, NotWithoutShell("`")},
        {"a $(b)", {}, NotWithoutShell("$(")},
        {"a \"$(b)\"", {}, NotWithoutShell("$(")},
        {"a $HOME/x",
         {},
         kNoShell + "переменные оболочки («$HOME») в ней не подставляются. "
                    "Напишите значение или возьмите в одинарные кавычки."},
        {"a \"${X}\"",
         {},
         kNoShell + "переменные оболочки («${X}») в ней не подставляются. "
                    "Напишите значение или возьмите в одинарные кавычки."},
        {"a 'b", {}, "Одинарная кавычка не закрыта."},
        {"a \"b\\\"", {}, "Двойная кавычка не закрыта."},
        {"a b\\", {}, "Команда кончается обратной косой чертой: после неё нет символа."},
        {"a {image}", {}, "Неизвестная подстановка {image}: есть только {bin}, {hex} и {program}."},
        {"a '{BIN}'", {}, "Неизвестная подстановка {BIN}: есть только {bin}, {hex} и {program}."},
    };
    for (const Row& row : rows) {
        const TProgrammerCommand command = ReadProgrammerCommand(row.line);
        EXPECT_EQ(command.Error, row.error) << row.line;
        EXPECT_EQ(command.Arguments(files), row.arguments) << row.line;
        if (!command.Valid())
            continue;
        // What the log shows reads back as the same words.
        std::string shown;
        for (const std::string& argument : row.arguments)
            shown += QuotedWord(argument) + ' ';
        EXPECT_EQ(ReadProgrammerCommand(shown).Words, row.arguments) << shown;
    }
    EXPECT_TRUE(ReadProgrammerCommand("t x{hex}").Uses("hex"));
    EXPECT_FALSE(ReadProgrammerCommand("t {bin} hex").Uses("hex"));
}

TEST(ProgrammerCommand, HexNameAndTemplates) {
    EXPECT_EQ(HexNameFor("/w/blink.bin"), "/w/blink.hex");
    EXPECT_EQ(HexNameFor("/w/blink.BIN"), "/w/blink.hex");
    EXPECT_EQ(HexNameFor("/w/prog.bin.bin"), "/w/prog.bin.hex");
    // Every ready-made line reads; the last is the user's own, empty.
    for (const TProgrammerTemplate& t : ProgrammerTemplates())
        if (*t.Command) {
            EXPECT_TRUE(ReadProgrammerCommand(t.Command).Uses("bin")) << t.Command;
        }
    EXPECT_EQ(std::string(ProgrammerTemplates().back().Caption), "Свой");
    EXPECT_EQ(std::string(ProgrammerTemplates().back().Command), "");
}

} // namespace
