// The undo property: over random edit scripts, undoing k steps gives back the text as it stood
// before the last k steps, and redoing them gives the later texts back; the caret stays on the
// text throughout.
//
// Texts are compared without trailing blanks: the caret pads a line when it moves beyond its
// end and trims the line it leaves, by itself and without a record, so those bytes are not part
// of any step. Everything else is compared byte for byte.
#include "EditScript.h"
#include "editor/undo/UndoList.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <random>

namespace {

// TOVIX_PROPERTY_SEEDS runs more seeds than the default, for a deeper search.
unsigned Seeds(unsigned fallback) {
    const char* value = std::getenv("TOVIX_PROPERTY_SEEDS");
    return value ? static_cast<unsigned>(std::strtoul(value, nullptr, 10)) : fallback;
}

std::string Show(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& line : lines)
        out += "[" + line + "]";
    return out;
}

void RunSeed(unsigned seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    FakeHost host;
    TestMemo memo(host);
    std::mt19937 rng(seed);
    SetText(memo, seed % 3 == 0 ? "|" : "  begin\n    pause_64|\n  end  \nincd");
    // snapshots[k]: the text before step k; nullopt where two steps came from one key (typing
    // over a selection) and the text between them was never seen.
    std::vector<std::optional<std::vector<std::string>>> snapshots;
    std::vector<std::string> log;
    for (int i = 0; i < 70 && memo.UndoList().Count() < 90; ++i) {
        std::vector<std::string> before = Canonical(LinesOf(memo));
        int count = memo.UndoList().Count();
        unsigned choice = rng();
        unsigned param = rng();
        std::string keys = RunStep(memo, host, choice, param, false);
        log.push_back(keys + " -> " + std::to_string(memo.UndoList().Count()) + " " +
                      GetText(memo));
        std::string problem = CheckState(memo);
        ASSERT_EQ(problem, "") << "after step " << i << " " << GetText(memo);
        int added = memo.UndoList().Count() - count;
        ASSERT_GE(added, 0);
        ASSERT_LE(added, 2);
        if (added >= 1)
            snapshots.emplace_back(before);
        if (added == 2)
            snapshots.emplace_back(std::nullopt);
    }
    std::string transcript;
    for (const auto& line : log)
        transcript += line + "\n";
    SCOPED_TRACE(transcript);
    std::vector<std::string> final = Canonical(LinesOf(memo));
    int n = memo.UndoList().Count();
    ASSERT_EQ(n, static_cast<int>(snapshots.size()));

    for (int k = 1; k <= n; ++k) {
        memo.Undo();
        ASSERT_EQ(CheckState(memo), "") << "undo " << k;
        const auto& expected = snapshots[static_cast<std::size_t>(n - k)];
        if (expected) {
            ASSERT_EQ(Show(Canonical(LinesOf(memo))), Show(*expected)) << "undo " << k;
        }
    }
    EXPECT_FALSE(memo.CanUndo());
    for (int k = 1; k <= n; ++k) {
        memo.Redo();
        ASSERT_EQ(CheckState(memo), "") << "redo " << k;
        const auto& expected =
            k < n ? snapshots[static_cast<std::size_t>(k)] : std::optional(final);
        if (expected) {
            ASSERT_EQ(Show(Canonical(LinesOf(memo))), Show(*expected)) << "redo " << k;
        }
    }
    EXPECT_FALSE(memo.CanRedo());
}

TEST(UndoProperty, RandomScriptsUndoAndRedoExactly) {
    for (unsigned seed = 1, n = Seeds(400); seed <= n; ++seed) {
        RunSeed(seed);
        if (::testing::Test::HasFatalFailure())
            return;
    }
}

// Undo and redo mixed into the script: whatever the history, the state stays sound and a full
// undo followed by a full redo comes back to the same text.
TEST(UndoProperty, UndoRedoInterleavedKeepsStateSound) {
    for (unsigned seed = 1, n = Seeds(200); seed <= n; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        FakeHost host;
        TestMemo memo(host);
        std::mt19937 rng(seed * 7919u);
        SetText(memo, "a|b\ncd\n  ef");
        for (int i = 0; i < 80; ++i) {
            RunStep(memo, host, rng(), rng(), true);
            ASSERT_EQ(CheckState(memo), "") << "step " << i << " " << GetText(memo);
        }
        while (memo.CanRedo())
            memo.Redo();
        std::vector<std::string> end = Canonical(LinesOf(memo));
        while (memo.CanUndo())
            memo.Undo();
        while (memo.CanRedo())
            memo.Redo();
        ASSERT_EQ(CheckState(memo), "");
        ASSERT_EQ(Show(Canonical(LinesOf(memo))), Show(end));
    }
}

} // namespace
