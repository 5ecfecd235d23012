// The undo list: how records merge into steps, the limit, the position and its notifications.
#include "editor/undo/UndoList.h"
#include "EditScript.h"
#include "base/Errors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <numeric>

namespace {

struct StepCase {
    const char* Name;
    const char* Before;
    const char* Keys;
    int Steps; // undo steps the keys leave
};

void PrintTo(const StepCase& c, std::ostream* os) {
    *os << c.Name;
}

class UndoSteps : public ::testing::TestWithParam<StepCase> {};

// The keys leave the given number of steps, and undoing them all gives the text back.
TEST_P(UndoSteps, CountAndUndoAll) {
    const StepCase& c = GetParam();
    FakeHost host;
    TestMemo memo(host);
    SetText(memo, c.Before);
    std::vector<std::string> before = LinesOf(memo);
    SendKeys(memo, c.Keys);
    EXPECT_EQ(memo.UndoList().Count(), c.Steps);
    while (memo.CanUndo())
        memo.Undo();
    EXPECT_EQ(LinesOf(memo), before);
}

INSTANTIATE_TEST_SUITE_P(
    Merging, UndoSteps,
    ::testing::Values(StepCase{"TypingIsOneStep", "|", "abc", 1},
                      StepCase{"CaretJumpSplitsTyping", "|\nx", "ab<Down>cd", 2},
                      StepCase{"AwayAndBackContinues", "|\nxyz", "ab<Down><Up>cd", 1},
                      StepCase{"LineEnterLineIsOneStep", "|", "one<Enter>two", 1},
                      StepCase{"TabMergesWithTyping", "|", "a<Tab>b", 1},
                      StepCase{"DeletesAtOnePlaceMerge", "a|bcde", "<Del><Del><Del>", 1},
                      StepCase{"BackspacesMerge", "abcd|", "<BS><BS><BS>", 1},
                      StepCase{"DeleteAfterBackspacesIsNew", "abcd|e", "<BS><BS><Del>", 2},
                      StepCase{"BackspaceAfterTypingIsNew", "|", "ab<BS>", 2},
                      StepCase{"CtrlYsDoNotMerge", "a\nb\n|c", "<C-y><C-y>", 2},
                      StepCase{"OverwriteRunMerges", "|abcd", "<Ins>xyz", 1},
                      StepCase{"OverwriteAndInsertDoNotMerge", "|abcd", "<Ins>x<Ins>y", 2}));

TEST(UndoList, ThreeDeletesRestoreInOrderAndKeepCaret) {
    FakeHost host;
    TestMemo memo(host);
    SetText(memo, "a|bcde");
    SendKeys(memo, "<Del><Del><Del>");
    EXPECT_EQ(memo.UndoList().Item(0).Text, "dcb") << "the newest deletion goes in front";
    memo.Undo();
    EXPECT_EQ(GetText(memo), "a|bcde");
    memo.Redo();
    EXPECT_EQ(GetText(memo), "a|e");
}

TEST(UndoList, BackspaceRecordKeepsTextInOrder) {
    FakeHost host;
    TestMemo memo(host);
    SetText(memo, "ab\ncd|");
    SendKeys(memo, "<BS><BS><BS>");
    EXPECT_EQ(memo.UndoList().Item(0).Text, "\rcd");
    memo.Undo();
    EXPECT_EQ(GetText(memo), "ab\ncd|");
}

TEST(UndoList, TypingUndoRedo) {
    FakeHost host;
    TestMemo memo(host);
    SetText(memo, "x|");
    SendKeys(memo, "abc");
    memo.Undo();
    EXPECT_EQ(GetText(memo), "x|");
    EXPECT_TRUE(memo.CanRedo());
    memo.Redo();
    EXPECT_EQ(GetText(memo), "xabc|");
    EXPECT_FALSE(memo.CanRedo());
}

TEST(UndoList, AtMostLimitStepsOldestDropped) {
    FakeHost host;
    TestMemo memo(host);
    SetText(memo, "|");
    for (int i = 0; i < 105; ++i)
        SendKeys(memo, "a<Left>"); // the caret jump keeps every keystroke a step of its own
    EXPECT_EQ(memo.UndoList().Count(), 100);
    int undone = 0;
    while (memo.CanUndo()) {
        memo.Undo();
        ++undone;
    }
    EXPECT_EQ(undone, 100);
    EXPECT_EQ(memo.Lines().Get(0), "aaaaa");
}

TEST(UndoList, NewChangeAfterUndoDiscardsRedo) {
    FakeHost host;
    TestMemo memo(host);
    SetText(memo, "|\nzzzz");
    SendKeys(memo, "ab<Down>cd<Up><Home>ef");
    ASSERT_EQ(memo.UndoList().Count(), 3);
    memo.Undo();
    memo.Undo();
    EXPECT_EQ(memo.UndoList().Position(), 2);
    SendKeys(memo, "gh");
    EXPECT_FALSE(memo.CanRedo());
    EXPECT_EQ(memo.UndoList().Count(), 2);
    memo.Undo();
    EXPECT_EQ(LinesOf(memo), (std::vector<std::string>{"ab", "zzzz"}));
}

TEST(UndoList, PasteIsOneStepAfterTheEarlierChange) {
    FakeHost host;
    TestMemo memo(host);
    SetText(memo, "ab|");
    SendKeys(memo, "c");
    host.OfferClipboard("xyz");
    SendKeys(memo, "<C-v>");
    EXPECT_EQ(GetText(memo), "abcxyz|");
    memo.Undo();
    EXPECT_EQ(GetText(memo), "abc|");
    memo.Undo();
    EXPECT_EQ(GetText(memo), "ab|");
}

TEST(UndoList, BytesChangedBehindItsBackAreSkipped) {
    FakeHost host;
    TestMemo memo(host);
    SetText(memo, "|");
    SendKeys(memo, "abc");
    memo.Lines().Put(0, "aXc");
    memo.Undo();
    // c matches and goes; b does not match X and is skipped, which leaves X left of the caret,
    // so a is skipped too.
    EXPECT_EQ(memo.Lines().Get(0), "aX");
}

TEST(UndoList, LimitIsClampedAndEmptiesTheList) {
    FakeHost host;
    TestMemo memo(host);
    TCodeUndoList& list = memo.UndoList();
    struct {
        int set;
        int expected;
    } cases[] = {{0, 10}, {-5, 10}, {1, 1}, {50, 50}, {100, 100}, {500, 100}};
    for (const auto& c : cases) {
        SendKeys(memo, "a<Left>");
        ASSERT_TRUE(list.CanUndo());
        list.SetLimit(list.Limit() == 7 ? 8 : 7); // a different value first, then the case
        SendKeys(memo, "a<Left>");
        list.SetLimit(c.set);
        EXPECT_EQ(list.Limit(), c.expected) << c.set;
        EXPECT_EQ(list.Count(), 0) << c.set;
    }
    SendKeys(memo, "a");
    list.SetLimit(list.Limit());
    EXPECT_EQ(list.Count(), 1) << "the same limit keeps the records";
}

TEST(UndoList, UndoLimitPropertyClampsAndKeepsSameValue) {
    FakeHost host;
    TestMemo memo(host);
    SendKeys(memo, "a");
    memo.SetUndoLimit(100);
    EXPECT_EQ(memo.UndoList().Count(), 1);
    memo.SetUndoLimit(0);
    EXPECT_EQ(memo.UndoLimit(), 1);
    EXPECT_EQ(memo.UndoList().Limit(), 1);
    EXPECT_EQ(memo.UndoList().Count(), 0);
    memo.SetUndoLimit(1000);
    EXPECT_EQ(memo.UndoLimit(), 100);
}

TEST(UndoList, NotifiesUndoChange) {
    FakeHost host;
    TestMemo memo(host);
    std::vector<std::pair<bool, bool>> seen;
    memo.OnUndoChange = [&](TCodeCustomMemo&, bool u, bool r) { seen.emplace_back(u, r); };
    SendKeys(memo, "ab"); // the second keystroke merges: no notification
    memo.Undo();
    memo.Redo();
    memo.ClearUndo();
    std::vector<std::pair<bool, bool>> expected{
        {true, false}, {false, true}, {true, false}, {false, false}};
    EXPECT_EQ(seen, expected);
}

TEST(UndoList, UndoAndRedoWithNothingDoNothing) {
    FakeHost host;
    TestMemo memo(host);
    SetText(memo, "a|b");
    memo.Undo();
    memo.Redo();
    EXPECT_EQ(GetText(memo), "a|b");
}

struct EmptiedCase {
    const char* Name;
    const char* Before;
    const char* Keys;
    int Undos; // steps undone before the lines are cleared
    bool Redo; // the command on the text without lines: redo, else undo
    const char* After;
};

void PrintTo(const EmptiedCase& c, std::ostream* os) {
    *os << c.Name;
}

class UndoOnEmptiedText : public ::testing::TestWithParam<EmptiedCase> {};

// Undo and redo on a text without lines start from one empty line, as typing does: a step that
// inserts inserts there, one that deletes finds nothing; either way the step is taken. The caret
// still goes where the record says, padding the line as any move beyond its end does.
TEST_P(UndoOnEmptiedText, ActsOnAnEmptyLine) {
    const EmptiedCase& c = GetParam();
    FakeHost host;
    TestMemo memo(host);
    host.OfferClipboard("x\r\ny");
    SetText(memo, c.Before);
    SendKeys(memo, c.Keys);
    for (int i = 0; i < c.Undos; ++i)
        memo.Undo();
    memo.Lines().Clear();
    ASSERT_EQ(memo.Lines().Count(), 0);
    int position = memo.UndoList().Position();
    ASSERT_NO_THROW(c.Redo ? memo.Redo() : memo.Undo());
    EXPECT_EQ(GetText(memo), c.After);
    EXPECT_EQ(CheckState(memo), "");
    EXPECT_EQ(memo.UndoList().Position(), position + (c.Redo ? -1 : 1));
}

INSTANTIATE_TEST_SUITE_P(
    Steps, UndoOnEmptiedText,
    ::testing::Values(EmptiedCase{"UndoDeletedLastLine", "a\n|b", "<C-y>", 0, false, "\n|b"},
                      EmptiedCase{"UndoDeletedOnlyLine", "|ab", "<C-y>", 0, false, "|ab"},
                      EmptiedCase{"UndoDeletedFirstLine", "|a\nb", "<C-y>", 0, false, "|a\n"},
                      EmptiedCase{"UndoEnter", "|", "<Enter>", 0, false, "|"},
                      EmptiedCase{"UndoBackspaceJoin", "a\n|b", "<BS>", 0, false, "\n|"},
                      EmptiedCase{"UndoDeletedSelection", "a\n‹b\nc>", "<Del>", 0, false, "‹b\nc>"},
                      EmptiedCase{"UndoPaste", "|ab", "<C-v>", 0, false, "| "},
                      EmptiedCase{"RedoTyping", "|", "abc", 1, true, "abc|"},
                      EmptiedCase{"RedoPaste", "|ab", "<C-v>", 1, true, "x\ny|"},
                      EmptiedCase{"RedoDeletedLastLine", "a\n|b", "<C-y>", 1, true, "|"},
                      EmptiedCase{"RedoDelete", "|abc", "<Del>", 1, true, "|"},
                      EmptiedCase{"RedoDeletedSelection", "‹ab>", "<Del>", 1, true, "|"}));

TEST(UndoList, ReplayKeepsAutoIndentAndOverwriteSettings) {
    FakeHost host;
    TestMemo memo(host);
    SetText(memo, "  a|");
    SendKeys(memo, "<Enter>b");
    memo.SetOverwrite(true);
    memo.Undo();
    memo.Redo();
    EXPECT_TRUE(memo.AutoIndent());
    EXPECT_TRUE(memo.Overwrite());
    EXPECT_EQ(GetText(memo), "  a\n  b|");
}

std::string TempFile(const std::string& name, const std::string& bytes) {
    std::string path = ::testing::TempDir() + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

TEST(UndoList, LoadingAFileEmptiesItClearingLinesDoesNot) {
    FakeHost host;
    TestMemo memo(host);
    SendKeys(memo, "abc");
    memo.Lines().Clear();
    EXPECT_TRUE(memo.CanUndo());
    memo.Lines().LoadFromFile(TempFile("undo_load.tovix", "x\r\n"));
    EXPECT_FALSE(memo.CanUndo());
}

TEST(UndoList, UnreadableFileLeavesHistoryCaretAndSelection) {
    FakeHost host;
    TestMemo memo(host);
    SetText(memo, "ab|c\nde");
    SendKeys(memo, "x<S-Down>");
    std::string before = GetText(memo);
    EXPECT_THROW(memo.Lines().LoadFromFile(::testing::TempDir() + "no/such/file.tovix"),
                 ERuntimeError);
    EXPECT_EQ(GetText(memo), before);
    EXPECT_TRUE(memo.CanUndo());
}

} // namespace

namespace {

// One batch over lines "0" .. "n-1": the lines replaced and the lines inserted before (line,
// text); a stop point on every fourth line and a compile mark on every third.
struct BatchCase {
    const char* Name;
    int Lines;
    std::vector<std::pair<int, std::string>> Replaced, Inserted;
    int Caret;
};

} // namespace

// A batch is one undo step and one change notification: markers, compile marks and the caret go
// with their lines, and undo and redo give back each text exactly, in place (a few
// insertions) or rebuilt in one pass (many).
TEST(UndoList, LineBatchIsOneStep) {
    std::vector<std::pair<int, std::string>> many;
    for (int i = 0; i < 300; i += 2)
        many.push_back({i, "label" + std::to_string(i) + ":"});
    const BatchCase rows[] = {
        {"replace only", 6, {{1, "one"}, {4, "four"}}, {}, 4},
        {"insert above the caret", 6, {{2, "two"}}, {{0, "a:"}, {2, "b:"}, {2, "c:"}}, 3},
        {"append", 3, {}, {{3, "end"}}, 2},
        {"many insertions", 300, {{1, "one"}, {298, "x"}}, many, 299},
    };
    for (const BatchCase& row : rows) {
        SCOPED_TRACE(row.Name);
        FakeHost host;
        TestMemo memo(host);
        std::vector<std::string> before;
        for (int i = 0; i < row.Lines; ++i)
            before.push_back(std::to_string(i));
        memo.Lines().Assign(before);
        for (int i = 0; i < row.Lines; ++i) {
            if (i % 4 == 0)
                memo.MarkerList().Add(i);
            if (i % 3 == 0)
                memo.SetBreakpoint(i, true);
        }
        memo.SetCurY(row.Caret);
        memo.ClearUndo();
        int changes = 0;
        memo.OnChange = [&](TCodeCustomMemo&) { ++changes; };

        // What the text, its marks and the caret are to be: old line i moves by the lines
        // inserted at or above it.
        std::vector<std::string> after;
        std::vector<int> newLine;
        std::vector<TLineBatchStep> steps;
        for (int i = 0; i <= row.Lines; ++i) {
            for (const auto& [line, text] : row.Inserted)
                if (line == i) {
                    after.push_back(text);
                    steps.push_back({line, TLineBatchStep::Insert, text});
                }
            if (i == row.Lines)
                break;
            newLine.push_back(static_cast<int>(after.size()));
            std::string text = before[static_cast<std::size_t>(i)];
            for (const auto& [line, replacement] : row.Replaced)
                if (line == i) {
                    text = replacement;
                    steps.push_back({line, TLineBatchStep::Replace, text});
                }
            after.push_back(text);
        }
        auto marks = [&](const std::vector<int>& at) {
            std::vector<int> stops, compiled, expectedStops, expectedCompiled;
            for (const TCodeMarker& m : memo.MarkerList().Markers())
                stops.push_back(m.LineNumber);
            for (int i = 0; i < memo.Lines().Count(); ++i)
                if (const TLineProp* prop = memo.Lines().GetLineProp(i); prop && prop->Breakpoint)
                    compiled.push_back(i);
            for (int i = 0; i < row.Lines; ++i) {
                if (i % 4 == 0)
                    expectedStops.push_back(at[static_cast<std::size_t>(i)]);
                if (i % 3 == 0)
                    expectedCompiled.push_back(at[static_cast<std::size_t>(i)]);
            }
            std::sort(stops.begin(), stops.end());
            EXPECT_EQ(stops, expectedStops);
            EXPECT_EQ(compiled, expectedCompiled);
            EXPECT_EQ(memo.CurY(), at[static_cast<std::size_t>(row.Caret)]);
        };
        std::vector<int> same(static_cast<std::size_t>(row.Lines));
        std::iota(same.begin(), same.end(), 0);

        memo.EditLines(steps);
        EXPECT_EQ(changes, 1);
        EXPECT_EQ(memo.UndoList().Count(), 1);
        EXPECT_EQ(LinesOf(memo), after);
        marks(newLine);
        for (int round = 0; round < 2; ++round) {
            memo.Undo();
            EXPECT_EQ(LinesOf(memo), before);
            marks(same);
            memo.Redo();
            EXPECT_EQ(LinesOf(memo), after);
            marks(newLine);
        }
        EXPECT_EQ(memo.Lines().LineLengths().Count(), memo.Lines().Count());
        EXPECT_EQ(memo.Lines().LineLength(newLine.back()),
                  static_cast<int>(after.at(static_cast<std::size_t>(newLine.back())).size()));
    }
}
