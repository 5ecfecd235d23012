// The line store as the editor changes it: lines deleted through the editor, the storage of
// many lines and the cached longest line.
#include "EditorFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

namespace {

TEST(LinesDelete, GoesThroughTheEditorAndCanBeUndone) {
    struct {
        const char* before;
        int index;
        const char* after;
        const char* undone;
    } cases[] = {
        {"a\nb\nc|x", 0, "b\nc|x", "a\nb\nc|x"}, {"a|x\nb\nc", 2, "a|x\nb", "a|x\nb\nc"},
        {"a\nb|x\nc", 1, "a\nc|", "a\nb|x\nc"},  {"ab|", 0, "|", "ab|"},
        {"a\nb|", 5, "a\nb|", "a\nb|"},
    };
    for (const auto& c : cases) {
        FakeHost host;
        TestMemo memo(host);
        SetText(memo, c.before);
        memo.Lines().Delete(c.index);
        EXPECT_EQ(GetText(memo), c.after) << c.before << " delete " << c.index;
        EXPECT_FALSE(memo.Lines().Deleting());
        memo.Undo();
        auto breaks = std::count(c.undone, c.undone + std::strlen(c.undone), '\n');
        EXPECT_EQ(LinesOf(memo).size(), static_cast<std::size_t>(breaks) + 1);
        std::string undone = GetText(memo);
        undone.erase(std::remove(undone.begin(), undone.end(), '|'), undone.end());
        std::string expected = c.undone;
        expected.erase(std::remove(expected.begin(), expected.end(), '|'), expected.end());
        EXPECT_EQ(undone, expected) << c.before << " delete " << c.index;
    }
}

TEST(LinesDelete, BreakpointStaysWithItsText) {
    FakeHost host;
    TestMemo memo(host);
    SetText(memo, "a\nb\n|c");
    memo.SetBreakpoint(2, true);
    memo.Lines().Delete(0);
    ASSERT_NE(memo.Lines().GetLineProp(1), nullptr);
    EXPECT_TRUE(memo.Lines().GetLineProp(1)->Breakpoint);
    EXPECT_EQ(memo.Lines().Get(1), "c");
}

// Many random inserts, deletes and puts against a plain vector: the same lines, lengths and
// longest line at every step, across the storage's block boundaries.
TEST(LineStorage, MatchesPlainVectorUnderRandomEdits) {
    FakeHost host;
    TestMemo memo(host);
    TCodeMemoStrings& lines = memo.Lines();
    lines.Clear();
    std::vector<std::string> model;
    std::mt19937 rng(7);
    auto text = [&] { return std::string(rng() % 40, static_cast<char>('a' + rng() % 26)); };
    for (int i = 0; i < 6000; ++i) {
        std::string s = text();
        lines.Add(s);
        model.push_back(s);
    }
    for (int step = 0; step < 20000; ++step) {
        int n = static_cast<int>(model.size());
        unsigned op = rng() % 3;
        if (op == 0 || n < 10) {
            int at = static_cast<int>(rng() % static_cast<unsigned>(n + 1));
            std::string s = text();
            lines.InsertLine(at, s);
            model.insert(model.begin() + at, s);
        } else if (op == 1) {
            int at = static_cast<int>(rng() % static_cast<unsigned>(n));
            lines.RemoveLine(at);
            model.erase(model.begin() + at);
        } else {
            int at = static_cast<int>(rng() % static_cast<unsigned>(n));
            std::string s = text() + text();
            lines.Put(at, s);
            model[static_cast<std::size_t>(at)] = s;
        }
        if (step % 997 == 0) {
            ASSERT_EQ(lines.ToVector(), model) << step;
            int longest = 0;
            for (std::size_t i = 0; i < model.size(); ++i) {
                ASSERT_EQ(lines.LineLengths().Get(static_cast<int>(i)),
                          static_cast<int>(model[i].size()));
                longest = std::max(longest, static_cast<int>(model[i].size()));
            }
            ASSERT_EQ(lines.LineLengths().Max(), longest) << step;
        }
    }
    EXPECT_EQ(lines.Count(), static_cast<int>(model.size()));
}

TEST(LineStorage, LongestLineFollowsTiesAndRemovals) {
    TIntList list;
    EXPECT_EQ(list.Max(), 0);
    for (int v : {3, 9, 9, 2})
        list.Add(v);
    list.Delete(1);
    EXPECT_EQ(list.Max(), 9) << "the other 9 is still there";
    list.Set(1, 4);
    EXPECT_EQ(list.Max(), 4);
    list.Insert(0, 12);
    EXPECT_EQ(list.Max(), 12);
    list.Set(0, 1);
    EXPECT_EQ(list.Max(), 4);
    list.Clear();
    EXPECT_EQ(list.Max(), 0);
}

} // namespace
