// Labels: the label rule, the goto's label, the rewrite of stale addresses, the label warnings
// and the conversion of a program without labels.
#include "CompilerTestSupport.h"

#include "base/Cp1251.h"
#include "base/TextFile.h"
#include "compiler/Labels.h"
#include "compiler/LinesCompileTarget.h"
#include "compiler/ProgramListing.h"
#include "compiler/ProgramWarnings.h"

namespace {

std::string Cp(const char* utf8) {
    return Utf8ToCp1251(utf8);
}

TEST(Labels, LabelRule) {
    struct Row {
        std::string line;
        std::string name; // "" for no label form
        bool label;
    };
    const Row rows[] = {
        {"loop:", "loop", true},
        {"  loop:   // start", "loop", true},
        {"loop://x", "loop", true},
        {"_a1:", "_a1", true},
        {Cp("цикл_2:"), Cp("цикл_2"), true},
        {Cp("Ёж:") + " " + Cp("// ё"), Cp("Ёж"), true},
        {"1a:", "", false},
        {"loop :", "", false},
        {"loop: stop", "", false},
        {"loop:stop", "", false},
        {"loop", "", false},
        {":", "", false},
        {"a-b:", "", false},
        {"// loop:", "", false},
        // Of the label form, but the line begins with a mnemonic: a command.
        {"pause_loop:", "pause_loop", false},
        {"stop:", "stop", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line);
        auto name = LabelName(row.line);
        EXPECT_EQ(name ? std::string(*name) : "", row.name);
        EXPECT_EQ(IsLabelLine(row.line), row.label);
    }
}

TEST(Labels, GotoNamesItsLabelAfterTheAddress) {
    const std::pair<std::string, std::string> rows[] = {
        {"goto_0018 loop", "loop@11"},
        {"goto_0018   loop  // back", "loop@13"},
        {"goto_0018 " + Cp("цикл"), Cp("цикл") + "@11"},
        {"goto_0018", ""},
        {"goto_0018 ", ""},
        {"goto_0018loop", ""},
        {"goto_0018 // loop", ""},
        {"goto_0018 to start", ""},
        {"goto_0018 loop:", ""},
    };
    for (const auto& [line, expected] : rows) {
        SCOPED_TRACE(line);
        auto label = JumpLabel(line);
        EXPECT_EQ(label ? std::string(label->Name) + "@" + std::to_string(label->Column) : "",
                  expected);
    }
}

std::vector<std::string> RewriteTexts(const std::vector<TJumpRewrite>& rewrites) {
    std::vector<std::string> texts;
    for (const auto& r : rewrites)
        texts.push_back(std::to_string(r.Line + 1) + ": " + r.OldText + " -> " + r.NewText + " (" +
                        r.Label + ")");
    return texts;
}

std::vector<std::string> WarningTexts(const std::vector<TCompileWarning>& warnings) {
    std::vector<std::string> texts;
    for (const auto& w : warnings)
        texts.push_back(std::to_string(w.Line + 1) + ":" + std::to_string(w.Indent + w.Column) +
                        ": " + w.Message);
    return texts;
}

// Each program's rewrites and warnings; once rewritten, no goto is stale any more.
TEST(Labels, RewritesAndWarnings) {
    struct Row {
        std::vector<std::string> lines;
        std::vector<std::string> rewrites;
        std::vector<std::string> warnings;
    };
    // A label beyond the addresses a goto can hold.
    std::vector<std::string> far(65536, "stop");
    far.insert(far.begin(), "goto_0000 far");
    far.insert(far.end(), {"far:", "nop"});
    const Row rows[] = {
        {far, {}, {"1:11: метка far за адресом FFFF: goto туда не достаёт"}},
        {{"loop:", "allond", "goto_0000 loop"}, {}, {}},
        // A command inserted above the label.
        {{"stop", "loop:", "allond", "goto_0000 loop"},
         {"4: goto_0000 -> goto_0001 (loop)"},
         {"4:6: адрес устарел: метка loop на адресе 0001"}},
        {{"  loop:  // start", "    stop", "allond", "  goto_0005 loop // back", "l2:", "nop",
          "goto_0000 l2"},
         {"4: goto_0005 -> goto_0000 (loop)", "7: goto_0000 -> goto_0005 (l2)"},
         {"4:8: адрес устарел: метка loop на адресе 0000",
          "7:6: адрес устарел: метка l2 на адресе 0005"}},
        // Comments and empty lines between a label and its command.
        {{"stop", "loop:", "// body", "", "nop", "goto_0000 loop"},
         {"6: goto_0000 -> goto_0001 (loop)"},
         {"6:6: адрес устарел: метка loop на адресе 0001"}},
        {{"loop:", "stop", "goto_XXXX loop"},
         {"3: goto_XXXX -> goto_0000 (loop)"},
         {"3:6: адрес устарел: метка loop на адресе 0000"}},
        {{"stop", Cp("цикл:"), "nop", "goto_0000 " + Cp("цикл")},
         {"4: goto_0000 -> goto_0001 (" + Cp("цикл") + ")"},
         {"4:6: адрес устарел: метка цикл на адресе 0001"}},
        {{"stop", "goto_0000 nowhere"}, {}, {"2:11: нет метки nowhere"}},
        {{"stop", "goto_0000 end", "end:"}, {}, {"3:1: после метки end нет команды"}},
        {{"a:", "stop", "a:", "nop", "goto_0000 a"}, {}, {"3:1: метка a уже есть в строке 1"}},
        {{"stopper:", "goto_0000 stopper"},
         {},
         {"1:1: метка не может начинаться с команды: строка читается как stop",
          "2:11: нет метки stopper"}},
        // A line the compile passes over warns as well, but not among the labels.
        {{"PAUSE_64", "stop", "loop:", "nop", "goto_0000 loop"},
         {"5: goto_0000 -> goto_0001 (loop)"},
         {"5:6: адрес устарел: метка loop на адресе 0001"}},
        // The value counts, not the case of its digits.
        {{"stop", "stop", "stop", "stop", "stop", "stop", "stop", "stop", "stop", "stop",
          "x:", "nop", "goto_000a x", "goto_000A x"},
         {},
         {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.lines.back());
        TLinesCompileTarget text(row.lines);
        std::vector<TJumpRewrite> rewrites = FindJumpRewrites(text);
        EXPECT_EQ(RewriteTexts(rewrites), row.rewrites);
        EXPECT_EQ(WarningTexts(LabelWarnings(text)), row.warnings);
        // The live listing, built a line at a time, holds them with the line warnings.
        TListingBuilder builder;
        while (!builder.Continue(text, 1)) {
        }
        EXPECT_EQ(WarningTexts(builder.Take().PassedOver), WarningTexts(PassedOverWarnings(text)));

        std::vector<std::string> lines = row.lines;
        EXPECT_EQ(ApplyJumpRewrites(lines, rewrites), static_cast<int>(rewrites.size()));
        EXPECT_TRUE(FindJumpRewrites(TLinesCompileTarget(lines)).empty());
    }
}

TEST(Labels, RewriteKeepsTabsAndTheRestOfTheLine) {
    std::vector<std::string> lines = {"\t goto_0000 loop // back", "stop"};
    EXPECT_EQ(ApplyJumpRewrites(lines, {{0, "goto_0000", "goto_0012", "loop"},
                                        {1, "goto_0000", "goto_0001", "x"},
                                        {7, "goto_0000", "goto_0001", "x"}}),
              1);
    EXPECT_EQ(lines, (std::vector<std::string>{"\t goto_0012 loop // back", "stop"}));
}

TEST(Labels, NameJumps) {
    using Lines = std::vector<std::string>;
    const std::pair<Lines, Lines> rows[] = {
        {{"configd_FF", "allond", "alloffd", "goto_0002 // again"},
         {"configd_FF", "m1:", "allond", "alloffd", "goto_0002 m1 // again"}},
        // The label above is used; a name in use is skipped.
        {{"loop:", "allond", "goto_0000"}, {"loop:", "allond", "goto_0000 loop"}},
        {{"m1:", "stop", "  nop", "  goto_0001", "goto_0001", "goto_0002"},
         {"m1:", "stop", "m2:", "  nop", "m3:", "  goto_0001 m2", "goto_0001 m2", "goto_0002 m3"}},
        // Into a command, past the end, already named, with text that is no comment: alone.
        {{"pause_64", "goto_0001", "goto_0009", "goto_0000 x", "goto_0000 to start"},
         {"pause_64", "goto_0001", "goto_0009", "goto_0000 x", "goto_0000 to start"}},
    };
    for (const auto& [in, out] : rows) {
        SCOPED_TRACE(in.back());
        EXPECT_EQ(NameJumps(in), out);
    }
}

// Every example converted compiles to the image it compiled to before, with no label warning.
TEST(Labels, ConvertedExamplesCompileTheSame) {
    int converted = 0;
    for (const auto& path : ExamplePrograms()) {
        SCOPED_TRACE(path);
        std::vector<std::string> lines = ReadTextFile((SourceDir() / path).string(), 4);
        std::vector<std::string> named = NameJumps(lines);
        converted += named != lines;
        TLinesCompileTarget before(lines);
        TLinesCompileTarget after(named);
        EXPECT_TRUE(LabelWarnings(after).empty());
        EXPECT_TRUE(FindJumpRewrites(after).empty());
        std::string a, b;
        TCompileCounters counters;
        CompileToBytes(before, a, counters);
        CompileToBytes(after, b, counters);
        EXPECT_EQ(a, b);
    }
    EXPECT_GE(converted, 3); // blink, running-light, tune
}

} // namespace
