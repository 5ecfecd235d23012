// The golden scenarios: every folder beside this file holds a program (in.tovix, none for an
// empty one), the keys a user presses (keys) and what must come of them: the saved program
// (out.tovix, or in.tovix unchanged when absent) and, when present, the compiled image
// (out.bin). TOVIX_SCENARIO_WRITE=1 writes the outcomes into the folders instead, for a new
// scenario to be checked by eye.
#include "EditScript.h"
#include "base/Cp1251.h"
#include "compiler/CommandSet.h"
#include "compiler/CompileMessages.h"
#include "compiler/Compiler.h"
#include "editor/buffer/LineStore.h"
#include "editor/style/CodePasStyler.h"
#include "support/FakeHost.h"
#include "support/TempDir.h"
#include "workbench/JumpEdits.h"
#include "workbench/MemoCompileTarget.h"
#include "workbench/WorkbenchDisplay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>

namespace fs = std::filesystem;

namespace {

fs::path ScenarioRoot() {
    const char* source = std::getenv("TOVIX_SOURCE_DIR");
    return fs::path(source ? source : TOVIX_DEFAULT_SOURCE_DIR) / "tests" / "scenarios";
}

std::vector<std::string> ScenarioNames() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(ScenarioRoot()))
        if (entry.is_directory())
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

bool Writing() {
    return std::getenv("TOVIX_SCENARIO_WRITE") != nullptr;
}

// The first line where the two program texts part, both shown readably.
std::string TextDiff(const std::string& expected, const std::string& actual) {
    std::vector<std::string> want = SplitTextFile(expected), got = SplitTextFile(actual);
    for (std::size_t i = 0; i < std::max(want.size(), got.size()); ++i) {
        auto show = [i](const std::vector<std::string>& lines) {
            return i < lines.size() ? "\"" + Cp1251ToUtf8(lines[i]) + "\"" : "(no line)";
        };
        if (i >= want.size() || i >= got.size() || want[i] != got[i])
            return "line " + std::to_string(i + 1) + "\n  expected " + show(want) +
                   "\n  actual   " + show(got);
    }
    return "the lines agree but the bytes do not: every line must end with CR LF";
}

std::string Hex(const std::string& bytes) {
    std::string out;
    char buffer[4];
    for (unsigned char b : bytes) {
        std::snprintf(buffer, sizeof buffer, " %02X", b);
        out += buffer;
    }
    return out;
}

// Writes the outcome, or checks it against the file that pins it.
void Check(const fs::path& file, const std::string& actual, const std::string& what) {
    std::string expected = ReadBytes(file.string());
    if (Writing()) {
        if (expected != actual || !fs::exists(file))
            WriteBytes(file.string(), actual);
        return;
    }
    bool text = file.extension() == ".tovix";
    EXPECT_TRUE(expected == actual)
        << what << " differs"
        << (text ? " at " + TextDiff(expected, actual)
                 : ":\n  expected" + Hex(expected) + "\n  actual  " + Hex(actual));
}

// Sends keys, with the workbench's own commands among them: <F9> makes what F9 makes of the
// text before it compiles (the labelled gotos put right; the compile's tidy step comes at the
// end, with out.bin), <NameJumps> is Программа > Назвать переходы.
void PlayKeys(TCodeMemo& memo, std::string_view keys) {
    static const std::pair<std::string_view, void (*)(TCodeMemo&)> commands[] = {
        {"<F9>", [](TCodeMemo& m) { UpdateJumpAddresses(m); }},
        {"<NameJumps>", [](TCodeMemo& m) { NameJumpsInEditor(m); }},
    };
    while (!keys.empty()) {
        std::size_t next = keys.size();
        const std::pair<std::string_view, void (*)(TCodeMemo&)>* found = nullptr;
        for (const auto& command : commands)
            if (std::size_t at = keys.find(command.first); at < next) {
                next = at;
                found = &command;
            }
        SendKeys(memo, keys.substr(0, next));
        if (!found)
            return;
        found->second(memo);
        keys.remove_prefix(next + found->first.size());
    }
}

class Scenario : public testing::TestWithParam<std::string> {};

TEST_P(Scenario, Plays) {
    fs::path dir = ScenarioRoot() / GetParam();
    static const std::set<std::string> known{"in.tovix", "keys", "out.tovix", "out.bin"};
    for (const auto& entry : fs::directory_iterator(dir))
        EXPECT_TRUE(known.contains(entry.path().filename().string()))
            << "unknown file " << entry.path().filename();
    FakeHost host;
    host.Client = TRect{0, 0, 425, 353};
    TCodePascalMemoStyler styler;
    ConfigureWorkbenchStyler(styler, KeywordsSorted());
    TCodeMemo memo(host);
    ConfigureWorkbenchDisplay(memo);
    memo.SetSyntaxStyles(&styler);
    if (fs::exists(dir / "in.tovix"))
        memo.Lines().LoadFromFile((dir / "in.tovix").string());

    std::string keys = ReadBytes((dir / "keys").string());
    std::erase_if(keys, [](char c) { return c == '\r' || c == '\n'; });
    PlayKeys(memo, keys);
    EXPECT_EQ(CheckState(memo), "");

    TempDir temp;
    memo.Lines().SaveToFile(temp.File("out.tovix"));
    std::string saved = ReadBytes(temp.File("out.tovix"));
    fs::path out = dir / "out.tovix", in = dir / "in.tovix";
    if (!fs::exists(out) && fs::exists(in) && (!Writing() || ReadBytes(in.string()) == saved))
        out = in;
    Check(out, saved, "the saved program");

    if (!fs::exists(dir / "out.bin"))
        return;
    TMemoCompileTarget target(memo);
    TCompileCounters counters;
    TCompileResult result = Compile(target, temp.File("out.bin"), counters);
    ASSERT_TRUE(result.Succeeded()) << CompileFaultMessage(result.Faults);
    Check(dir / "out.bin", ReadBytes(temp.File("out.bin")), "the image");
}

// Test names take letters, digits and underscores only.
std::string TestName(const testing::TestParamInfo<std::string>& info) {
    std::string name = info.param;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Folder, Scenario, testing::ValuesIn(ScenarioNames()), TestName);

} // namespace
