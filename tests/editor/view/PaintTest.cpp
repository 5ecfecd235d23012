// Painting of the text area through the raster surface: geometry, run colours on the cell
// grid, compile-marked rows, selection, active line, block marks, margins and border.
#include "PaintFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

namespace {

constexpr TColor Lavender = 0xFFBBCC;

TEST(Painting, TextAreaOfTheWorkbenchEditor) {
    WorkbenchEditor ed({"nop"});
    EXPECT_EQ(ed.Memo.TextArea(), (TRect{63, 1, 424, 352}));
    RasterSurface s = ed.Paint();
    EXPECT_EQ(ed.Memo.CharWidth(), 8);
    EXPECT_EQ(ed.Memo.LineHeight(), 16);
    EXPECT_EQ(ed.Memo.VisibleRows(), 21);
}

TEST(Painting, RunsLieOnTheCellGridInTheirColours) {
    WorkbenchEditor ed({"goto_0010", "10xpause_05", "{ wait", "} stop"});
    RasterSurface s = ed.Paint();
    struct Expect {
        int Row;
        int Col;
        const char* Text;
        TColor Color;
        TFontStyles Style;
    } table[] = {
        {0, 0, "goto", clGreen, fsBold},
        {0, 4, "_", clRed, 0},
        {0, 5, "0010", clBlack, 0},
        {1, 0, "10", clBlack, 0},
        {1, 2, "x", clGreen, 0},
        {1, 3, "pause", clGreen, fsBold},
        {1, 8, "_", clRed, 0},
        {1, 9, "05", clBlack, 0},
        {2, 0, "{ wait", clNavy, fsItalic},
        {3, 0, "}", clNavy, fsItalic},
        {3, 2, "stop", clGreen, fsBold},
    };
    for (const Expect& e : table) {
        SCOPED_TRACE(e.Text);
        bool found = false;
        for (const TextCall& t : s.TextsAt(2 + e.Row * 16)) {
            if (t.Text != e.Text)
                continue;
            found = true;
            EXPECT_EQ(t.X, 63 + e.Col * 8);
            EXPECT_EQ(t.Color, e.Color);
            EXPECT_EQ(t.Style, e.Style);
            EXPECT_EQ(t.Bk, clWhite);
            EXPECT_EQ(AnsiLowerCase(t.Font), "courier new");
        }
        EXPECT_TRUE(found);
    }
}

TEST(Painting, CompileMarkedRowIsLavenderAcrossTheWholeWidth) {
    WorkbenchEditor ed({"nop", "goto_0010", "stop"});
    ed.Memo.SetBreakpoint(1, true);
    RasterSurface s = ed.Paint();
    for (int x : {63, 150, 300, 423})
        EXPECT_EQ(s.At(x, 18 + 7), Lavender) << x;
    EXPECT_EQ(s.At(300, 2 + 7), clWhite);
    EXPECT_EQ(s.At(300, 34 + 7), clWhite);
    for (const TextCall& t : s.TextsAt(18)) {
        EXPECT_EQ(t.Bk, Lavender) << t.Text;
        EXPECT_EQ(t.Color, clBlack) << t.Text; // clDefault text is drawn in the font colour
    }
    // The mark wins over the active line unless the active line is asked to win.
    ed.Memo.ActiveLineSettings().SetShowActiveLine(true);
    ed.Memo.SetActiveLine(1);
    EXPECT_EQ(ed.Paint().At(300, 18 + 7), Lavender);
    ed.Memo.ActiveLineSettings().SetActiveLineOverBreakpoint(true);
    EXPECT_EQ(ed.Paint().At(300, 18 + 7), 0x800000u);
}

TEST(Painting, SelectionColours) {
    struct Case {
        const char* Name;
        bool Breakpoint;
        bool Focus;
        TColor Text, Bk;
    } table[] = {
        {"plain line", false, true, clWhite, clNavy},
        {"marked line: exchanged colours", true, true, Lavender, clBlack},
        {"no focus: hidden", false, false, 0, clWhite},
    };
    for (const Case& c : table) {
        SCOPED_TRACE(c.Name);
        WorkbenchEditor ed({"nop", "10xpause_05"});
        if (c.Breakpoint)
            ed.Memo.SetBreakpoint(1, true);
        ed.HostWindow.Focused = c.Focus;
        ed.Memo.SetSelectionBounds(7, 1, 2, 1); // anchor after the moving end
        RasterSurface s = ed.Paint();
        std::string selected;
        for (const TextCall& t : s.TextsAt(18)) {
            if (t.X >= 63 + 2 * 8 && t.X < 63 + 7 * 8) {
                selected += t.Text;
                EXPECT_EQ(t.Bk, c.Bk) << t.Text;
                if (c.Focus) {
                    EXPECT_EQ(t.Color, c.Text) << t.Text;
                }
            }
        }
        EXPECT_EQ(selected, c.Focus ? "xpaus" : "xpause");
    }
}

TEST(Painting, SelectionAcrossLines) {
    WorkbenchEditor ed({"nop nop", "stop", "incd"});
    ed.Memo.SetSelectionBounds(4, 0, 2, 2);
    RasterSurface s = ed.Paint();
    auto selectedText = [&](int row) {
        std::string out;
        for (const TextCall& t : s.TextsAt(2 + row * 16))
            if (t.Bk == clNavy)
                out += t.Text;
        return out;
    };
    EXPECT_EQ(selectedText(0), "nop");
    EXPECT_EQ(selectedText(1), "stop");
    EXPECT_EQ(selectedText(2), "in");
}

// Every match of the search on the painted lines has its background, the current one a
// stronger one; a selected one shows as the selection.
TEST(Painting, SearchMatchesHaveTheirBackground) {
    WorkbenchEditor ed({"nop NOP", "stop", "incd"});
    ed.Memo.SetSearchHighlight(TSearchPattern("op", {}), 1, 2);
    ed.Memo.SetSelectionBounds(5, 0, 7, 0);
    RasterSurface s = ed.Paint();
    auto lit = [&](int row, TColor bk) {
        std::string out;
        for (const TextCall& t : s.TextsAt(2 + row * 16))
            if (t.Bk == bk)
                out += t.Text;
        return out;
    };
    const TSearchHighlight& highlight = ed.Memo.SearchHighlight();
    EXPECT_EQ(lit(0, highlight.Color), "op");
    EXPECT_EQ(lit(1, highlight.Color), "");
    EXPECT_EQ(lit(1, highlight.CurrentColor), "op");
    EXPECT_EQ(lit(2, highlight.Color), "");
}

TEST(Painting, BlankAreaMarginsAndBorder) {
    WorkbenchEditor ed({"nop", "stop"});
    RasterSurface s = ed.Paint();
    EXPECT_EQ(s.At(200, 300), clWhite) << "below the text";
    EXPECT_EQ(s.At(200, 1), clWhite) << "strip above the first row";
    EXPECT_EQ(s.At(61, 100), clWhite) << "left margin";
    EXPECT_EQ(s.At(62, 100), clWhite) << "left margin";
    for (TPoint p : {TPoint{0, 100}, TPoint{424, 100}, TPoint{100, 0}, TPoint{100, 352}})
        EXPECT_EQ(s.At(p.X, p.Y), clGray) << p.X << "," << p.Y;
    for (TColor c : s.Pixels)
        ASSERT_NE(c, Unpainted);
}

TEST(Painting, HorizontalScrollShiftsRunsAndTheRightMargin) {
    const std::string line = "goto_0010 " + std::string(100, 'a');
    WorkbenchEditor ed({line});
    RasterSurface s0 = ed.Paint();
    EXPECT_EQ(s0.TextsAt(2)[0].X, 63);
    ed.Memo.SetLeftCol(40);
    RasterSurface s = ed.Paint();
    // Runs left of the view are not drawn; the first drawn cell is the one just left of it.
    const TextCall first = s.TextsAt(2)[0];
    EXPECT_EQ(first.X, 63 - 8);
    EXPECT_EQ(first.Text, line.substr(39, first.Text.size()));
    int margin = 63 + 8 * (80 - 40);
    EXPECT_EQ(s.At(margin, 100), 0xE2E2E2u);
    EXPECT_EQ(s.At(margin - 1, 100), 0xE2E2E2u);
    EXPECT_EQ(s.At(margin + 1, 200), clWhite);
}

// A line far longer than the view: only the cells in view are drawn, wherever the view stands
// on it, and a comment opened or closed beyond the right edge still decides how the next line
// starts, in the first repaint and in later ones that reuse what the first one kept.
TEST(Painting, LongLinesDrawOnlyWhatShows) {
    std::string body;
    while (body.size() < 300'000)
        body += "allond ";
    struct Case {
        std::string Line;
        int LeftCol;
        TColor NextColor; // of "stop" on the next line, where the view shows it
    } table[] = {
        {"nop " + body + " {", 0, clNavy},           {"nop " + body + " {", 150'000, clNavy},
        {"{ " + body + " } nop", 0, clGreen},        {"{ " + body + " } nop", 299'990, clGreen},
        {"nop " + body + " // {", 150'000, clGreen},
    };
    for (const Case& c : table) {
        WorkbenchEditor ed(
            {c.Line, std::string(static_cast<std::size_t>(c.LeftCol), ' ') + "stop"});
        ed.Memo.SetLeftCol(c.LeftCol);
        for (int repaint = 0; repaint < 2; ++repaint) {
            SCOPED_TRACE(c.Line.substr(0, 4) + " at " + std::to_string(c.LeftCol));
            RasterSurface s = ed.Paint();
            std::size_t drawn = 0;
            for (const TextCall& t : s.TextsAt(2)) {
                drawn += t.Text.size();
                int col = ed.Memo.LeftCol() + (t.X - 63) / 8;
                EXPECT_EQ(t.Text, c.Line.substr(static_cast<std::size_t>(col), t.Text.size()));
            }
            EXPECT_LE(drawn, 48u);
            std::vector<TextCall> next = s.TextsAt(2 + 16);
            ASSERT_FALSE(next.empty());
            EXPECT_EQ(next.back().Color, c.NextColor);
        }
    }
    // Edits of a long line after a repaint kept cursors along it: what they changed shows, on
    // the line in view and on the next one.
    WorkbenchEditor ed({"nop " + body, std::string(250'000, ' ') + "stop"});
    ed.Memo.SetLeftCol(250'000);
    // The colour of the first word in view on the long line, and of "stop" below it.
    auto colors = [&ed] {
        RasterSurface s = ed.Paint();
        std::vector<TextCall> row = s.TextsAt(2);
        auto word = std::find_if(row.begin(), row.end(), [](const TextCall& t) {
            return t.Text.find_first_not_of(' ') != std::string::npos;
        });
        return std::pair(word == row.end() ? clNone : word->Color, s.TextsAt(2 + 16).back().Color);
    };
    EXPECT_EQ(colors(), std::pair(clGreen, clGreen));
    ed.Memo.Lines().Put(0, "nop " + body.substr(0, 200'000) + "{" + body.substr(200'000));
    EXPECT_EQ(colors(), std::pair(clNavy, clNavy));
    ed.Memo.Lines().Put(0, "{" + body + "}");
    EXPECT_EQ(colors(), std::pair(clNavy, clGreen));
    ed.Memo.Lines().Put(0, "}" + body + "{");
    EXPECT_EQ(colors(), std::pair(clGreen, clNavy));
    // Two edits between repaints: what the first one changed counts too.
    ed.Memo.Lines().Put(0, "}" + body.substr(0, 200'000) + "{" + body.substr(200'000) + "{");
    ed.Memo.Lines().Put(0, "}" + body.substr(0, 200'000) + "{" + body.substr(200'000, 90'000));
    EXPECT_EQ(colors(), std::pair(clNavy, clNavy));
}

TEST(Painting, VariablePitchFaceIsReplacedByFixedSys) {
    WorkbenchEditor ed({"nop"});
    ed.Memo.SetFont(TFont{"Arial", -13, clBlack, 0});
    RasterSurface s = ed.Paint();
    EXPECT_EQ(ed.Memo.Font().Name, "FixedSys");
    EXPECT_EQ(ed.Memo.CharWidth(), 8);
    EXPECT_EQ(s.TextsAt(2)[0].Font, "FixedSys");
}

TEST(Painting, EmptyTextIsBlank) {
    WorkbenchEditor ed;
    ed.Memo.Lines().Clear();
    ASSERT_EQ(ed.Memo.Lines().Count(), 0);
    RasterSurface s = ed.Paint();
    EXPECT_EQ(s.At(100, 2), clWhite);
    EXPECT_EQ(s.At(100, 340), clWhite);
    for (const TextCall& t : s.Texts)
        EXPECT_LT(t.X, 63) << "only the gutter draws text: " << t.Text;
}

TEST(Painting, ActiveLineAndBlockMarks) {
    WorkbenchEditor ed({"begin nop", "end"});
    ed.Memo.ActiveLineSettings().SetShowActiveLine(true);
    ed.Memo.SetActiveLine(1);
    ed.Memo.SetBlockMarks({0, 0, 5}, {1, 0, 3});
    ed.Memo.SetBlockLineColor(clRed);
    RasterSurface s = ed.Paint();
    auto row0 = s.TextsAt(2);
    ASSERT_FALSE(row0.empty());
    // The mark's colour reaches the run that starts at the mark's column.
    EXPECT_EQ(row0[0].Text, "begin ");
    EXPECT_EQ(row0[0].Bk, clAqua);
    EXPECT_EQ(s.At(63, 16), clRed) << "block underline at LineHeight - 2";
    EXPECT_EQ(s.At(63 + 39, 16), clRed);
    EXPECT_EQ(s.At(63 + 49, 16), clWhite);
    auto row1 = s.TextsAt(18);
    ASSERT_FALSE(row1.empty());
    EXPECT_EQ(row1[0].Color, clYellow);
    EXPECT_EQ(row1[0].Bk, clAqua);
    EXPECT_EQ(s.At(300, 20), 0x800000u) << "rest of the active row";

    ed.Memo.SetBlockShow(false);
    RasterSurface hidden = ed.Paint();
    EXPECT_EQ(hidden.TextsAt(2)[0].Bk, clWhite);
    EXPECT_EQ(hidden.At(63, 16), clWhite);
}

TEST(Painting, NothingIsPaintedInsideAnUpdateBlock) {
    WorkbenchEditor ed({"nop"});
    ed.Memo.Lines().BeginUpdate();
    RasterSurface s = ed.Paint();
    EXPECT_TRUE(s.Texts.empty());
    EXPECT_EQ(s.At(100, 100), Unpainted);
    ed.Memo.Lines().EndUpdate();
}

TEST(Painting, TopStateIsCachedUntilTheTextAboveChanges) {
    std::vector<std::string> text(60, "nop");
    text[3] = "{";
    WorkbenchEditor ed(text);
    ed.Memo.SetTopLine(30);
    RasterSurface s = ed.Paint();
    EXPECT_TRUE(ed.Memo.TopStateCacheValid());
    EXPECT_EQ(s.TextsAt(2)[0].Color, clNavy);
    ed.Memo.Lines().Put(40, "}");
    EXPECT_TRUE(ed.Memo.TopStateCacheValid()) << "a change below the top line keeps it";
    ed.Memo.Lines().Put(3, "nop");
    EXPECT_FALSE(ed.Memo.TopStateCacheValid());
    EXPECT_EQ(ed.Paint().TextsAt(2)[0].Color, clGreen);
    ed.Memo.SetSyntaxStyles(&ed.Styler);
    EXPECT_FALSE(ed.Memo.TopStateCacheValid());
}

} // namespace

namespace {

TEST(Painting, ScrollBarsNarrowTheTextArea) {
    std::vector<std::string> text(50, std::string(80, 'a'));
    WorkbenchEditor ed(text);
    ed.Memo.UpdateScrollBars();
    EXPECT_EQ(ed.Memo.TextArea(), (TRect{63, 1, 407, 335}));
    EXPECT_EQ(ed.Memo.ScrollBarRect(TScrollBarKind::Vertical), (TRect{407, 1, 424, 335}));
    EXPECT_EQ(ed.Memo.ScrollBarRect(TScrollBarKind::Horizontal), (TRect{1, 335, 407, 352}));
    RasterSurface s = ed.Paint();
    EXPECT_EQ(s.At(415, 100), 0xC8C8C8u) << "scroll-bar colour under the vertical bar";
    EXPECT_EQ(s.At(200, 345), 0xC8C8C8u);
    EXPECT_EQ(s.At(415, 345), BtnFace) << "the corner";
    EXPECT_EQ(s.At(424, 100), clGray) << "the border stays on top";

    ed.Memo.SetScrollBars(ssNone);
    EXPECT_EQ(ed.Memo.TextArea(), (TRect{63, 1, 424, 352}));
    EXPECT_TRUE(ed.Memo.ScrollBarRect(TScrollBarKind::Vertical).IsEmpty());
}

} // namespace
