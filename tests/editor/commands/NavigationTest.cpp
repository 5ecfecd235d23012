// Caret movement: arrows, words, Home and End, Page keys, and the selection they extend.
#include "EditorFixture.h"
#include "editor/commands/CaretSelection.h"

#include <gtest/gtest.h>

namespace {

using MoveCase = KeysCase;

class Navigation : public ::testing::TestWithParam<MoveCase> {};

TEST_P(Navigation, KeysMoveCaret) {
    const MoveCase& c = GetParam();
    FakeHost host;
    TestMemo memo(host);
    SetText(memo, c.Before);
    SendKeys(memo, c.Keys);
    EXPECT_EQ(GetText(memo), c.After);
    EXPECT_EQ(memo.UndoList().Count(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Arrows, Navigation,
    ::testing::Values(
        MoveCase{"RightPastEndPads", "ab|\ncd", "<Right><Right>", "ab  |\ncd"},
        MoveCase{"LeavingLineTrimsPadding", "ab|\ncd", "<Right><Right><Down>", "ab\ncd··|"},
        MoveCase{"DownKeepsColumnOnShortLine", "abcd|\nab\nabcdef", "<Down><Down>",
                 "abcd\nab\nabcd|ef"},
        MoveCase{"LeftAtColumnZeroGoesToPreviousEnd", "abc\n|de", "<Left>", "abc|\nde"},
        MoveCase{"LeftAtStartStays", "|ab", "<Left>", "|ab"},
        MoveCase{"UpOnFirstLineStays", "a|b", "<Up>", "a|b"},
        MoveCase{"DownOnLastLineStays", "a|b", "<Down>", "a|b"},
        MoveCase{"ShiftRightSelects", "a|bc", "<S-Right><S-Right>", "a‹bc>"},
        MoveCase{"ShiftRightStopsAtLineEnd", "a|bc", "<S-Right><S-Right><S-Right>", "a‹bc>"},
        MoveCase{"ShiftDownClampsToLineEnd", "abc|d\nx", "<S-Down>", "abc‹d\nx>"},
        MoveCase{"ArrowWithoutShiftCollapses", "a‹bc>", "<Left>", "ab|c"},
        MoveCase{"ShiftLeftBackward", "abc|", "<S-Left><S-Left>", "a>bc‹"}));

INSTANTIATE_TEST_SUITE_P(
    Words, Navigation,
    ::testing::Values(MoveCase{"WordRightToNextWord", "|foo bar", "<C-Right>", "foo |bar"},
                      MoveCase{"WordRightToLineEnd", "foo b|ar", "<C-Right>", "foo bar|"},
                      MoveCase{"WordRightFromEndToNextLine", "foo|\nbar", "<C-Right>", "foo\n|bar"},
                      MoveCase{"WordRightSkipsSpaceRun", "|a   b", "<C-Right>", "a   |b"},
                      MoveCase{"WordLeftToWordStart", "foo bar|", "<C-Left>", "foo |bar"},
                      MoveCase{"WordLeftToLineStart", "foo |bar", "<C-Left>", "|foo bar"},
                      MoveCase{"WordLeftAtColumnZeroGoesUp", "ab cd\n|x", "<C-Left>", "ab |cd\nx"},
                      MoveCase{"CtrlUpDownDoNotMove", "a|b\ncd", "<C-Up><C-Down>", "a|b\ncd"},
                      MoveCase{"CtrlShiftRightSelectsWord", "|foo bar", "<C-S-Right>",
                               "‹foo >bar"}));

INSTANTIATE_TEST_SUITE_P(
    HomeEnd, Navigation,
    ::testing::Values(MoveCase{"HomeGoesToColumnZero", "  ab|", "<Home>", "|  ab"},
                      MoveCase{"EndSkipsTrailingBlanks", "|ab  ", "<End>", "ab|  "},
                      MoveCase{"CtrlHomeGoesToStart", "ab\ncd|", "<C-Home>", "|ab\ncd"},
                      MoveCase{"CtrlEndGoesToEnd", "|ab\ncd", "<C-End>", "ab\ncd|"},
                      MoveCase{"ShiftEndSelectsToEnd", "a|bc", "<S-End>", "a‹bc>"},
                      MoveCase{"CtrlShiftEndSelectsToTextEnd", "a|b\ncd", "<C-S-End>", "a‹b\ncd>"},
                      MoveCase{"CtrlShiftHomeSelectsToTextStart", "ab\nc|d", "<C-S-Home>",
                               ">ab\nc‹d"}));

TEST(NavigationPage, PageKeysMoveByVisibleRowsLessOne) {
    FakeHost host; // text area 298 pixels tall, 16-pixel lines: 18 rows, pages of 17
    TestMemo memo(host);
    std::string text = "|";
    for (int i = 1; i < 50; ++i)
        text += "\nline";
    SetText(memo, text);
    SendKeys(memo, "<PgDn>");
    EXPECT_EQ(memo.CurY(), 17);
    SendKeys(memo, "<PgDn><PgDn><PgDn>");
    EXPECT_EQ(memo.CurY(), 49);
    SendKeys(memo, "<PgUp>");
    EXPECT_EQ(memo.CurY(), 32);
    SendKeys(memo, "<S-PgUp>");
    EXPECT_EQ(memo.CurY(), 15);
    EXPECT_EQ(memo.SelStartY(), 32);
    EXPECT_EQ(memo.SelEndY(), 15);
    SendKeys(memo, "<C-PgDn>");
    EXPECT_EQ((std::pair{memo.CurX(), memo.CurY()}), (std::pair{4, 49}));
    EXPECT_TRUE(memo.SelectionEmpty());
    SendKeys(memo, "<C-PgUp>");
    EXPECT_EQ((std::pair{memo.CurX(), memo.CurY()}), (std::pair{0, 0}));
}

TEST(NavigationEvents, CaretMovesReportColumnAndStatus) {
    FakeHost host;
    TestMemo memo(host);
    SetText(memo, "|abc\nd");
    std::vector<int> columns;
    int status = 0, cursor = 0, activeLine = 0, selection = 0;
    memo.OnColumnChange = [&](TCodeCustomMemo&, int x) { columns.push_back(x); };
    memo.OnStatusChange = [&](TCodeCustomMemo&) { ++status; };
    memo.OnCursorChange = [&](TCodeCustomMemo&) { ++cursor; };
    memo.OnActiveLineChange = [&](TCodeCustomMemo&) { ++activeLine; };
    memo.OnSelectionChange = [&](TCodeCustomMemo&) { ++selection; };
    SendKeys(memo, "<Right><Right><Down><S-Up>");
    // Down keeps the column: re-applying an unchanged column reports nothing.
    EXPECT_EQ(columns, (std::vector<int>{1, 2}));
    EXPECT_GE(status, 4);
    EXPECT_GE(cursor, 4);
    EXPECT_EQ(activeLine, 2);
    EXPECT_EQ(selection, 1);
}

TEST(Selection, SelectAllGetSelTextAndOffsets) {
    FakeHost host;
    TestMemo memo(host);
    SetText(memo, "ab\ncd|e\nf");
    SendKeys(memo, "<C-a>");
    EXPECT_EQ(GetText(memo), "‹ab\ncd|e\nf>");
    EXPECT_EQ(memo.GetSelText(), "ab\r\ncde\r\nf");
    int start = -1, end = -1;
    memo.GetSel(start, end);
    EXPECT_EQ((std::pair{start, end}), (std::pair{0, 10}));

    struct {
        const char* text;
        const char* selected;
        int start, end;
    } cases[] = {
        {"a‹b>c", "b", 1, 2},
        {"ab\nc‹d\ne>f", "d\r\ne", 5, 9},
        {"ab\n‹cd\n>ef", "cd\r\n", 4, 8},
        {"a>bc‹", "bc", 1, 3},
        {"ab\nc|d", "", 5, 5},
        {"ab··‹·>", "", 2, 2},
    };
    for (const auto& c : cases) {
        SetText(memo, c.text);
        EXPECT_EQ(memo.GetSelText(), c.selected) << c.text;
        memo.GetSel(start, end);
        EXPECT_EQ((std::pair{start, end}), (std::pair{c.start, c.end})) << c.text;
    }
    EXPECT_EQ(memo.PosToOffset(99, 0), 2) << "a column counts at most the line";
}

TEST(CaretSelection, RangesCollapseAndExtend) {
    struct {
        TTextPos anchor, end;
        TTextRange range;
        bool empty;
    } ranges[] = {
        {{1, 0}, {3, 0}, {{1, 0}, {3, 0}}, false},
        {{5, 2}, {2, 2}, {{2, 2}, {5, 2}}, false},
        {{1, 3}, {9, 1}, {{9, 1}, {1, 3}}, false}, // lines order before columns
        {{4, 2}, {4, 2}, {{4, 2}, {4, 2}}, true},
    };
    for (std::size_t i = 0; i < std::size(ranges); ++i) {
        SCOPED_TRACE(i);
        TCaretSelection sel{{7, 0}, ranges[i].anchor, ranges[i].end, {7, 0}};
        EXPECT_TRUE(sel.Normalized() == ranges[i].range);
        EXPECT_EQ(sel.Empty(), ranges[i].empty);
    }

    // Caret, anchor, end and mark; the mark has been left behind.
    const TCaretSelection before{{8, 1}, {5, 1}, {8, 1}, {0, 0}};
    struct {
        bool collapse;
        TTextPos to;
        TCaretSelection after;
    } moves[] = {
        {true, {3, 1}, {{3, 1}, {3, 1}, {3, 1}, {3, 1}}},
        {false, {4, 3}, {{4, 3}, {5, 1}, {4, 3}, {4, 3}}},
        {false, {1, 1}, {{1, 1}, {5, 1}, {1, 1}, {1, 1}}},
        {false, {5, 1}, {{5, 1}, {5, 1}, {5, 1}, {5, 1}}},
    };
    for (std::size_t i = 0; i < std::size(moves); ++i) {
        SCOPED_TRACE(i);
        TCaretSelection sel = before;
        if (moves[i].collapse)
            sel.CollapseTo(moves[i].to);
        else
            sel.ExtendTo(moves[i].to);
        EXPECT_TRUE(sel == moves[i].after);
    }
}

} // namespace
