// Problem ranges across edits and the keys that go to them, written as text with the spans in
// it: "[" and "]" bound a problem's span, "|" is the caret.
#include "EditorFixture.h"
#include "PaintFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace {

// Loads a fixture with spans: the spans become warnings, the rest the text and caret.
void SetTextWithProblems(TestMemo& memo, std::string_view fixture) {
    std::string text;
    std::vector<TCodeProblem> problems;
    int line = 0;
    int col = 0;
    for (char c : fixture) {
        if (c == '[') {
            problems.push_back(TCodeProblem{line, col, col, TProblemKind::Warning, "m"});
        } else if (c == ']') {
            problems.back().End = col;
        } else {
            text += c;
            col = c == '\n' ? 0 : (c == '|' ? col : col + 1);
            line += c == '\n';
        }
    }
    SetText(memo, text);
    memo.SetProblems(std::move(problems));
}

// The lines with the spans and the caret written in: at one column "]" comes before "|",
// and "|" before "[".
std::string TextWithProblems(const TCodeCustomMemo& memo) {
    std::vector<std::string> lines = LinesOf(memo);
    std::vector<std::tuple<int, int, int, char>> marks; // line, column, order, mark
    for (const TCodeProblem& p : memo.Problems().All()) {
        marks.emplace_back(p.Line, p.Start, 2, '[');
        marks.emplace_back(p.Line, p.End, 0, ']');
    }
    if (memo.SelectionEmpty())
        marks.emplace_back(memo.CurY(), memo.CurX(), 1, '|');
    std::sort(marks.rbegin(), marks.rend());
    for (auto [line, col, order, mark] : marks) {
        std::string& text = lines.at(static_cast<std::size_t>(line));
        text.resize(std::max(text.size(), static_cast<std::size_t>(col)), ' ');
        text.insert(static_cast<std::size_t>(col), 1, mark);
    }
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i)
        out += (i ? "\n" : "") + lines[i];
    return out;
}

class ProblemsTest : public ::testing::TestWithParam<KeysCase> {};

TEST_P(ProblemsTest, KeysMoveSpansAndCaret) {
    const KeysCase& c = GetParam();
    FakeHost host;
    TestMemo memo(host);
    SetTextWithProblems(memo, c.Before);
    SendKeys(memo, c.Keys);
    EXPECT_EQ(TextWithProblems(memo), c.After);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, ProblemsTest,
    ::testing::Values(
        KeysCase{"TypingBeforeShifts", "a|b [alond]", "xy", "axy|b [alond]"},
        KeysCase{"TypingInsideGrows", "[al|ond] x", "l", "[all|ond] x"},
        KeysCase{"TypingAtTheEndDoesNotGrow", "[alond]|", "x", "[alond]x|"},
        KeysCase{"DeletingPartShrinks", "[abc|] [d]", "<BS>", "[ab]| [d]"},
        KeysCase{"DeletingAllDrops", "x [ab]|", "<BS><BS>", "x |"},
        KeysCase{"EnterAboveMovesDown", "|[alond]\n[b]", "<Enter>", "\n|[alond]\n[b]"},
        KeysCase{"EnterSplitsSpansWithTheirText", "  [ab] |[cd]\n[e]", "<Enter>",
                 "  [ab]\n  |[cd]\n[e]"},
        KeysCase{"EnterAcrossASpanDropsIt", "[a|b] [c]", "<Enter>", "a\n|b [c]"},
        KeysCase{"BackspaceJoinMovesUp", "[ab]\n|[cd]\n[e]", "<BS>", "[ab]|[cd]\n[e]"},
        KeysCase{"DeleteJoinMovesUp", "[ab]|\n[cd]", "<Del>", "[ab]|[cd]"},
        KeysCase{"DeletingALineDropsItsSpans", "[a]\n|[b]\n[c]", "<C-y>", "[a]\n|[c]"},
        KeysCase{"PastedLinesMoveSpansDown", "x\n|[b]", "<C-a><C-c><C-Home><C-v>", "x\nb|x\n[b]"}));

INSTANTIATE_TEST_SUITE_P(
    Keys, ProblemsTest,
    ::testing::Values(KeysCase{"F2GoesToTheNextStart", "|ab [cd] [ef]", "<F2>", "ab |[cd] [ef]"},
                      KeysCase{"F2FromInsideGoesOn", "ab [c|d] [ef]", "<F2>", "ab [cd] |[ef]"},
                      KeysCase{"F2Wraps", "[ab]\ncd|", "<F2>", "|[ab]\ncd"},
                      KeysCase{"ShiftF2GoesBack", "[ab] [cd]|", "<S-F2>", "[ab] |[cd]"},
                      KeysCase{"ShiftF2Wraps", "|ab [cd]", "<S-F2>", "ab |[cd]"},
                      KeysCase{"F2WithoutProblems", "a|b", "<F2>", "a|b"}));

TEST(ProblemsPaint, WaveUnderTheSpanAndASignInTheGutter) {
    WorkbenchEditor ed({"nop", "  alond x", "stop"});
    ed.Memo.SetProblems(
        {{1, 2, 7, TProblemKind::Warning, "m"}, {2, 0, 4, TProblemKind::Error, "e"}});
    RasterSurface s = ed.Paint();
    const TColor amber = ProblemColor(TProblemKind::Warning);
    // Row 1's image starts at y 18; the wave's crests lie 13 rows down, in the span's columns.
    const int crest = 18 + 13;
    for (int col : {2, 3, 6})
        EXPECT_EQ(s.At(63 + col * 8, crest), amber) << col;
    EXPECT_EQ(s.At(63 + 2 * 8 + 2, crest + 2), amber);
    for (int col : {1, 7})
        EXPECT_NE(s.At(63 + col * 8, crest), amber) << col;
    EXPECT_NE(s.At(63 + 2 * 8, 2 + 13), amber); // line 0 has none
    std::vector<TColor> signs;
    for (const ShapeCall& shape : s.Shapes)
        if (shape.What == ShapeCall::Polygon && shape.Points.size() == 3)
            signs.push_back(shape.Brush);
    EXPECT_EQ(signs, (std::vector<TColor>{amber, ProblemColor(TProblemKind::Error)}));
}

} // namespace
