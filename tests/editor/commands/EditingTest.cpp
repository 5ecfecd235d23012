// The editing commands through the keys, written as text with the caret in it.
#include "EditorFixture.h"
#include "editor/undo/UndoList.h"

#include <gtest/gtest.h>

namespace {

using EditCase = KeysCase;

class EditingTest : public ::testing::TestWithParam<EditCase> {};

TEST_P(EditingTest, KeysGiveText) {
    const EditCase& c = GetParam();
    FakeHost host;
    TestMemo memo(host);
    SetText(memo, c.Before);
    SendKeys(memo, c.Keys);
    EXPECT_EQ(GetText(memo), c.After);
}

// Typing and Enter.
INSTANTIATE_TEST_SUITE_P(
    Typing, EditingTest,
    ::testing::Values(
        EditCase{"TypesAtCaret", "ab|c", "xy", "abxy|c"},
        EditCase{"PadsShortLineUpToCaret", "abcde|fg\nab", "<Down>x", "abcdefg\nab   x|"},
        EditCase{"TypingReplacesSelection", "‹ab>c", "x", "x|c"},
        EditCase{"TypingReplacesBackwardSelection", "a|bc‹d", "x", "ax|d"},
        EditCase{"EnterSplitsLine", "ab|cd", "<Enter>", "ab\n|cd"},
        EditCase{"EnterKeepsIndentDropsBlanks", "  ab|  cd  ", "<Enter>", "  ab\n  |cd"},
        EditCase{"IndentCountsOnlyUpToCaret", "  |  ab", "<Enter>", "\n  |ab"},
        EditCase{"CtrlMIsEnter", "ab|cd", "<C-m>", "ab\n|cd"},
        EditCase{"EnterAtEndTrimsLeftLine", "ab  |", "<Enter>", "ab\n|"},
        EditCase{"EnterBeyondEnd", "ab··|", "<Enter>", "ab\n|"}));

// Delete, Backspace and Ctrl+Backspace.
INSTANTIATE_TEST_SUITE_P(
    Deleting, EditingTest,
    ::testing::Values(
        EditCase{"DeleteRemovesByteAtCaret", "a|bc", "<Del>", "a|c"},
        EditCase{"DeleteAtEndJoinsNextLine", "ab|\ncd", "<Del>", "ab|cd"},
        EditCase{"DeleteAtEndOfLastLineDoesNothing", "ab\ncd|", "<Del>", "ab\ncd|"},
        EditCase{"DeleteBeyondEndPullsLineToCaret", "ab··|\ncd", "<Del>", "ab  |cd"},
        EditCase{"DeleteErasesSelection", "a‹bc\nd>e", "<Del>", "a|e"},
        EditCase{"BackspaceRemovesByteLeft", "ab|c", "<BS>", "a|c"},
        EditCase{"BackspaceAtColumnZeroJoins", "ab\n|cd", "<BS>", "ab|cd"},
        EditCase{"BackspaceAtStartOfTextDoesNothing", "|ab", "<BS>", "|ab"},
        EditCase{"BackspaceBeyondEndDeletesVirtualSpace", "ab··|\ncd", "<BS>", "ab |\ncd"},
        EditCase{"BackspaceErasesSelection", "‹ab>c", "<BS>", "|c"},
        EditCase{"CtrlBackspaceDeletesWord", "foo bar|", "<C-BS>", "foo |"},
        EditCase{"CtrlBackspaceFromSpaceDeletesBlankRun", "foo  |x", "<C-BS>", "foo |x"},
        EditCase{"CtrlBackspaceAtColumnZeroOnlyJoins", "foo\n|bar", "<C-BS>", "foo|bar"},
        EditCase{"CtrlBackspaceJoinsAfterWord", "  ab\nfoo|", "<C-BS>", "  ab|"}));

// Ctrl+Y, Tab and overwrite mode.
INSTANTIATE_TEST_SUITE_P(
    LinesTabsOverwrite, EditingTest,
    ::testing::Values(EditCase{"CtrlYDeletesCaretLine", "a\nb|b\nc", "<C-y>", "a\n|c"},
                      EditCase{"CtrlYOnLastLineMovesUp", "a\nb|", "<C-y>", "|a"},
                      EditCase{"CtrlYOnOnlyLineEmptiesIt", "ab|", "<C-y>", "|"},
                      EditCase{"TabInsertsFourSpaces", "a|b", "<Tab>", "a    |b"},
                      EditCase{"ShiftTabMovesLeftOnly", "abcdef|", "<S-Tab>", "ab|cdef"},
                      EditCase{"ShiftTabStopsAtColumnZero", "ab|", "<S-Tab>", "|ab"},
                      EditCase{"CtrlTabDoesNothing", "a|b", "<C-Tab>", "a|b"},
                      EditCase{"OverwriteReplacesBytes", "a|bc", "<Ins>xy", "axy|"},
                      EditCase{"OverwriteAppendsAtEnd", "a|b", "<Ins>xyz", "axyz|"},
                      EditCase{"OverwriteTabOnlyMoves", "a|bcdefgh", "<Ins><Tab>", "abcde|fgh"},
                      EditCase{"OverwriteTabNearEndAppends", "ab|c", "<Ins><Tab>", "abc   |"},
                      EditCase{"InsertTogglesBack", "a|bc", "<Ins><Ins>x", "ax|bc"}));

// Undo and redo of each command give the text back, caret and selection included.
INSTANTIATE_TEST_SUITE_P(
    UndoOfCommands, EditingTest,
    ::testing::Values(
        EditCase{"EnterUndoRestoresDroppedBlanks", "  ab  |  cd  ", "<Enter><A-BS>",
                 "  ab  |  cd  "},
        EditCase{"EnterRedoIndentsAgain", "  ab|  cd", "<Enter><A-BS><A-S-BS>", "  ab\n  |cd"},
        EditCase{"BackspaceJoinUndoSplits", "ab\n|cd", "<BS><A-BS>", "ab\n|cd"},
        EditCase{"DeleteRunUndoKeepsOrder", "a|bcde", "<Del><Del><Del><A-BS>", "a|bcde"},
        EditCase{"BackspaceRunUndoKeepsOrder", "abcd|e", "<BS><BS><BS><A-BS>", "abcd|e"},
        EditCase{"DeleteThenBackspaceAreTwoSteps", "ab|cd", "<BS><Del><A-BS>", "a|cd"},
        EditCase{"OverwriteUndoBringsBytesBack", "a|bcd", "<Ins>xyz<A-BS>", "a|bcd"},
        EditCase{"OverwriteRedo", "a|bcd", "<Ins>xyz<A-BS><Ins><A-S-BS>", "axyz|"},
        EditCase{"OverwriteTabUndo", "ab|c", "<Ins><Tab><A-BS>", "abc|"},
        EditCase{"CtrlYUndoMiddleLine", "a\nb|b\nc", "<C-y><A-BS>", "a\nb|b\nc"},
        EditCase{"CtrlYUndoLastLine", "a\nb|b", "<C-y><A-BS>", "a\nb|b"},
        EditCase{"CtrlYUndoOnlyLineGivesOneLine", "ab|", "<C-y><A-BS>", "ab|"},
        EditCase{"CtrlYRedo", "a\nb|b\nc", "<C-y><A-BS><A-S-BS>", "a\n|c"},
        EditCase{"SelectionDeleteUndoSelectsText", "‹ab\n>cd", "<Del><A-BS>", "‹ab\n>cd"},
        EditCase{"TypingOverSelectionIsTwoSteps", "‹ab>c", "x<A-BS>", "|c"},
        EditCase{"TypingOverSelectionUndoneTwice", "‹ab>c", "x<A-BS><A-BS>", "‹ab>c"},
        EditCase{"CtrlZDoesNothing", "a|", "x<C-z>", "ax|"}));

// The record each command leaves, and the commands that leave none.
TEST(EditingRecords, CommandsThatCannotActRecordNothing) {
    struct {
        const char* before;
        const char* keys;
    } cases[] = {
        {"ab\ncd|", "<Del>"},        {"|ab", "<BS>"},  {"|ab", "<C-BS>"},
        {"a|b", "<S-Tab>"},          {"a|b", "<C-x>"}, {"a|b", "<Left><Right><Up><Down>"},
        {"a|bcdefgh", "<Ins><Tab>"},
    };
    for (const auto& c : cases) {
        FakeHost host;
        TestMemo memo(host);
        SetText(memo, c.before);
        SendKeys(memo, c.keys);
        EXPECT_EQ(memo.UndoList().Count(), 0) << c.before << " " << c.keys;
    }
}

TEST(EditingRecords, EnterRecordsCrAndIndent) {
    FakeHost host;
    TestMemo memo(host);
    SetText(memo, "   ab|cd");
    SendKeys(memo, "<Enter>");
    ASSERT_EQ(memo.UndoList().Count(), 1);
    const TUndo& r = memo.UndoList().Item(0);
    EXPECT_EQ(r.Text, "\r   ");
    EXPECT_EQ((std::pair{r.BeforeX, r.BeforeY}), (std::pair{5, 0}));
    EXPECT_EQ((std::pair{r.AfterX, r.AfterY}), (std::pair{3, 1}));
}

TEST(EditingRecords, DeleteSelectionRecordsSelectedText) {
    FakeHost host;
    TestMemo memo(host);
    SetText(memo, "a‹bc\nde\n>fg");
    SendKeys(memo, "<Del>");
    ASSERT_EQ(memo.UndoList().Count(), 1);
    auto* r = dynamic_cast<const TDeleteBufUndo*>(&memo.UndoList().Item(0));
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->Text, "bc\r\nde\r\n");
    EXPECT_EQ((std::array{r->SelStartX, r->SelStartY, r->SelEndX, r->SelEndY}),
              (std::array{1, 0, 0, 2}));
    EXPECT_EQ(GetText(memo), "a|fg");
}

TEST(EditingRecords, InsertTextExpandsTabsAndUndoesExactly) {
    FakeHost host;
    TestMemo memo(host);
    SetText(memo, "a|b");
    memo.InsertText("x\ty\r\nz\t");
    EXPECT_EQ(GetText(memo), "ax    y\nz    |b");
    memo.Undo();
    EXPECT_EQ(GetText(memo), "a|b");
}

TEST(EditingRecords, InsertTextBeyondEndInsertsAtCaret) {
    FakeHost host;
    TestMemo memo(host);
    SetText(memo, "ab··|\ncd");
    memo.InsertText("xyz");
    EXPECT_EQ(GetText(memo), "ab  xyz|\ncd");
    memo.Undo();
    EXPECT_EQ(memo.Lines().Get(0).substr(0, 2), "ab");
    EXPECT_EQ(memo.Lines().Get(0).find_first_not_of(' ', 2), std::string::npos);
    EXPECT_EQ(memo.Lines().Get(1), "cd");
}

TEST(EditingRecords, ReadOnlyIgnoresEveryEdit) {
    FakeHost host;
    TestMemo memo(host);
    SetText(memo, "ab|c\nd");
    memo.SetReadOnly(true);
    SendKeys(memo, "x<Enter><Del><BS><C-BS><C-y><Tab><C-x><C-v><C-a><Ins>");
    memo.InsertText("q");
    memo.DeleteLine();
    EXPECT_EQ(GetText(memo), "ab|c\nd");
    EXPECT_FALSE(memo.Overwrite());
    EXPECT_EQ(memo.UndoList().Count(), 0);
}

TEST(EditingRecords, TypingOnTextWithoutLinesCreatesOne) {
    FakeHost host;
    TestMemo memo(host);
    memo.Lines().Clear();
    ASSERT_EQ(memo.Lines().Count(), 0);
    SendKeys(memo, "<Del><BS>");
    EXPECT_EQ(memo.Lines().Count(), 0);
    SendKeys(memo, "a<Enter>b");
    EXPECT_EQ(GetText(memo), "a\nb|");
}

TEST(EditingMarkers, EnterAndBackspaceShiftMarkersDeleteLineRemovesOne) {
    FakeHost host;
    TestMemo memo(host);
    SetText(memo, "a\nb|\nc\nd");
    memo.MarkerList().Add(3);
    SendKeys(memo, "<Enter>");
    EXPECT_EQ(memo.MarkerList().Markers().at(0).LineNumber, 4);
    SendKeys(memo, "<BS>");
    EXPECT_EQ(memo.MarkerList().Markers().at(0).LineNumber, 3);
    memo.SetCurY(3);
    SendKeys(memo, "<C-y>");
    EXPECT_TRUE(memo.MarkerList().Markers().empty());
}

TEST(EditingEvents, TypingFiresOnChangeAndUpdatesLongestLine) {
    FakeHost host;
    TestMemo memo(host);
    SetText(memo, "ab|");
    int changes = 0;
    memo.OnChange = [&](TCodeCustomMemo&) { ++changes; };
    SendKeys(memo, "xyz");
    EXPECT_GE(changes, 3);
    EXPECT_EQ(memo.MaxLineLength(), 5);
    SendKeys(memo, "<C-y>");
    EXPECT_EQ(memo.MaxLineLength(), 0);
}

} // namespace

TEST(EditingLargeBlocks, PastingAndDeletingThousandsOfLinesUndoesExactly) {
    FakeHost host;
    TestMemo memo(host);
    std::string fixture;
    for (int i = 0; i < 2000; ++i)
        fixture += "incd " + std::to_string(i) + "\n";
    fixture += "end|";
    SetText(memo, fixture);
    std::vector<std::string> before = LinesOf(memo);
    std::string block;
    for (int i = 0; i < 3000; ++i)
        block += "lcdout_" + std::to_string(i % 100) + "\r\n";
    memo.SetCurY(700);
    memo.SetCurX(2);
    memo.InsertText(block);
    EXPECT_EQ(memo.Lines().Count(), 5001);
    EXPECT_EQ(memo.Lines().Get(700), "inlcdout_0");
    EXPECT_EQ(memo.Lines().Get(3700), "cd 700");
    EXPECT_EQ(memo.CurY(), 3700);

    memo.SelectAll();
    memo.DeleteSelection(true);
    EXPECT_EQ(LinesOf(memo), std::vector<std::string>{""});
    memo.Undo();
    memo.Undo();
    EXPECT_EQ(LinesOf(memo), before);
    EXPECT_EQ(memo.Lines().LineLengths().Count(), memo.Lines().Count());
}
