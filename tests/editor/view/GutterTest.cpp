// The gutter: line number placement, the compiled-line disc, the gradient, settings.
#include "PaintFixtures.h"

#include "editor/view/Gutter.h"

#include <tuple>

#include <gtest/gtest.h>

namespace {

std::vector<TextCall> GutterTexts(const RasterSurface& s) {
    std::vector<TextCall> out;
    for (const TextCall& t : s.Texts)
        if (t.X < 60)
            out.push_back(t);
    return out;
}

TEST(Gutter, LineNumbersAreRightAlignedByDigits) {
    WorkbenchEditor ed(std::vector<std::string>(1200, "nop"));
    RasterSurface top = ed.Paint();
    auto numbers = GutterTexts(top);
    ASSERT_GE(numbers.size(), 21u);
    EXPECT_EQ(numbers[0].Text, "1");
    EXPECT_EQ(numbers[0].X, 39);
    EXPECT_EQ(numbers[0].Y, 1);
    EXPECT_EQ(numbers[9].Text, "10");
    EXPECT_EQ(numbers[9].X, 31);
    EXPECT_EQ(numbers[9].Y, 1 + 9 * 16);
    EXPECT_EQ(numbers[9].Color, clBlack);
    EXPECT_EQ(numbers[9].Bk, clNone);

    ed.Memo.SetTopLine(995);
    auto later = GutterTexts(ed.Paint());
    ASSERT_GE(later.size(), 5u);
    EXPECT_EQ(later[0].Text, "996");
    EXPECT_EQ(later[0].X, 23);
    EXPECT_EQ(later[4].Text, "1000");
    EXPECT_EQ(later[4].X, 15);
}

TEST(Gutter, FormatLineNumber) {
    TestHost host;
    TCodeMemo memo(host);
    TCodeGutter& g = memo.Gutter();
    g.SetGutterWidth(60);
    struct Case {
        bool Zeros;
        int Number;
        const char* Text;
        int X;
    } table[] = {
        {false, 7, "7", 39},       {false, 42, "42", 31}, {false, 999, "999", 23},
        {false, 1000, "1000", 15}, {true, 7, "0007", 15}, {true, 12345, "12345", 15},
    };
    for (const Case& c : table) {
        g.SetShowLeadingZeros(c.Zeros);
        auto n = g.FormatLineNumber(c.Number);
        EXPECT_EQ(n.Text, c.Text);
        EXPECT_EQ(n.X, c.X) << c.Text;
    }
}

TEST(Gutter, SettersKeepTheirBounds) {
    TestHost host;
    TCodeMemo memo(host);
    TCodeGutter& g = memo.Gutter();
    g.SetGutterMargin(10);
    EXPECT_EQ(g.GutterMargin(), 45);
    g.SetGutterMargin(50);
    EXPECT_EQ(g.GutterMargin(), 50);
    g.SetLineNumberStart(-1);
    EXPECT_EQ(g.LineNumberStart(), 1);
    g.SetLineNumberStart(0);
    EXPECT_EQ(g.LineNumberStart(), 0);
    EXPECT_EQ(g.Width(), 45);
    g.SetGutterWidth(60);
    EXPECT_EQ(g.Width(), 60);
    memo.SetBorderStyle(bsNone);
    EXPECT_EQ(g.Left(), 0);
    EXPECT_EQ(g.Width(), 62);
    memo.SetBorderStyle(bsSingle);
    EXPECT_EQ(g.Left(), 1);
    EXPECT_EQ(g.Width(), 60);
}

TEST(Gutter, NumbersStartAtLineNumberStart) {
    WorkbenchEditor ed({"nop", "stop"});
    EXPECT_EQ(GutterTexts(ed.Paint())[0].Text, "1");
    ed.Memo.Gutter().SetLineNumberStart(0);
    EXPECT_EQ(GutterTexts(ed.Paint())[0].Text, "0");
}

TEST(Gutter, EmptyTextShowsOneLineNumber) {
    WorkbenchEditor ed;
    ed.Memo.Lines().Clear();
    auto numbers = GutterTexts(ed.Paint());
    ASSERT_EQ(numbers.size(), 1u);
    EXPECT_EQ(numbers[0].Text, "1");
}

TEST(Gutter, CompiledLinesGetARedDisc) {
    WorkbenchEditor ed({"nop", "goto_0010", "x", "stop"});
    ed.Memo.SetBreakpoint(1, true);
    ed.Memo.SetBreakpoint(3, true);
    RasterSurface s = ed.Paint();
    std::vector<TRect> discs;
    for (const ShapeCall& shape : s.Shapes) {
        ASSERT_EQ(shape.What, ShapeCall::Ellipse);
        EXPECT_EQ(shape.Pen, clBlack);
        EXPECT_EQ(shape.Brush, clRed);
        discs.push_back(shape.Box);
    }
    std::vector<TRect> expected = {{3, 21, 13, 31}, {3, 53, 13, 63}};
    EXPECT_EQ(discs, expected);

    ed.SetLines({"nop", "goto_0010", "x", "stop"}); // reloading removes the marks
    EXPECT_TRUE(ed.Paint().Shapes.empty());
}

TEST(Gutter, GradientBandColours) {
    struct Case {
        TColor From, To;
        int N;
        TColor Expected;
    } table[] = {
        {0x000000, 0x303030, 0, 0x000000},  {0x000000, 0x303030, 47, 0x2F2F2F},
        {0x000000, 0x000018, 1, 0x000000},  // 0.5 rounds to 0
        {0x000000, 0x000018, 3, 0x000002},  // 1.5 rounds to 2
        {0x000000, 0x000018, 5, 0x000002},  // 2.5 rounds to 2
        {0x0000FF, 0x000000, 24, 0x000080}, // 255 - 127.5 = 127.5 rounds to 128
        {0xF0F0F0, 0xFFFFFF, 47, 0xFFFFFF},
    };
    for (const Case& c : table)
        EXPECT_EQ(GradientBandColor(c.From, c.To, c.N), c.Expected) << c.N;
}

TEST(Gutter, GradientBandsAndBorderLines) {
    WorkbenchEditor ed({"nop"});
    RasterSurface s = ed.Paint();
    // 48 bands over x = 1 .. 59 (w = 59), each 2 pixels wide; band n starts at 1 + round(n·59/48).
    struct Band {
        int N, X;
    } bands[] = {{0, 1}, {1, 2}, {2, 3}, {24, 31}, {40, 50}, {47, 59}};
    for (const Band& b : bands)
        EXPECT_EQ(s.At(b.X, 200), GradientBandColor(BtnFace, clWhite, b.N)) << b.N;
    EXPECT_EQ(s.At(1, 200), BtnFace);
    EXPECT_EQ(s.At(60, 200), clGray) << "border line";
    EXPECT_EQ(s.At(59, 340), GradientBandColor(BtnFace, clWhite, 47));

    ed.Memo.Gutter().SetGutterColorTo(clNone);
    RasterSurface flat = ed.Paint();
    EXPECT_EQ(flat.At(1, 200), BtnFace);
    EXPECT_EQ(flat.At(58, 200), BtnFace);
    EXPECT_EQ(flat.At(59, 200), clWhite) << "the white line shows without a gradient";
    EXPECT_EQ(flat.At(60, 200), clGray);
}

TEST(Gutter, ModifiedBarAndActiveLineArrow) {
    WorkbenchEditor ed({"nop", "stop"});
    ed.Memo.SetModified(1, true);
    ed.Memo.Gutter().SetShowModified(true);
    ed.Memo.ActiveLineSettings().SetShowActiveLineIndicator(true);
    ed.Memo.SetActiveLine(0);
    RasterSurface s = ed.Paint();
    EXPECT_EQ(s.At(55, 1 + 5), clLime);
    EXPECT_EQ(s.At(58, 1 + 5), clLime);
    EXPECT_EQ(s.At(54, 1 + 5), GradientBandColor(BtnFace, clWhite, 43));
    EXPECT_EQ(s.At(56, 17 + 5), clYellow);
    ASSERT_EQ(s.Shapes.size(), 1u);
    const ShapeCall& arrow = s.Shapes[0];
    EXPECT_EQ(arrow.What, ShapeCall::Polygon);
    EXPECT_EQ(arrow.Brush, clLime);
    EXPECT_EQ(arrow.Pen, clGray);
    std::vector<TPoint> points = {{14, 8},  {14, 12}, {17, 12}, {17, 15},
                                  {22, 10}, {17, 5},  {17, 8}};
    EXPECT_EQ(arrow.Points, points);
}

TEST(Gutter, ClickMovesTheCaretToTheLine) {
    WorkbenchEditor ed({"nop", "stop", "incd"});
    ed.Memo.OnGutterClick(ed.Memo, 2);
    EXPECT_EQ(ed.Memo.CurY(), 2);
}

} // namespace

namespace {

// An image list that records which images were drawn where.
struct RecordingImages : TImageList {
    mutable std::vector<std::tuple<int, int, int>> Drawn; // index, x, y
    int Count() const override { return 3; }
    void Draw(Surface&, int index, int x, int y) const override { Drawn.emplace_back(index, x, y); }
};

} // namespace

TEST(Gutter, MarkersDrawTheirImageAndMoveTheLineMarksRight) {
    WorkbenchEditor ed({"nop", "goto_0010", "stop", "incd"});
    RecordingImages images;
    TCodeMarkerList& markers = ed.Memo.MarkerList();
    markers.Add(1, 2);
    markers.Add(2, 7); // beyond the list: no image, still 16 pixels
    ed.Memo.SetBreakpoint(1, true);
    ed.Memo.SetBreakpoint(2, true);
    ed.Memo.SetBreakpoint(3, true);
    EXPECT_EQ(ed.Paint().Shapes.size(), 3u) << "no image list: the discs alone";
    markers.SetMarkerImageList(&images);
    RasterSurface s = ed.Paint();
    EXPECT_EQ(images.Drawn, (std::vector<std::tuple<int, int, int>>{{2, 2, 19}}));
    std::vector<TRect> discs;
    for (const ShapeCall& shape : s.Shapes)
        discs.push_back(shape.Box);
    EXPECT_EQ(discs, (std::vector<TRect>{{19, 21, 29, 31}, {19, 37, 29, 47}, {3, 53, 13, 63}}));

    images.Drawn.clear();
    markers.SetUseDefaultMarkerImageIndex(true);
    markers.SetDefaultMarkerImageIndex(0);
    ed.Paint();
    EXPECT_EQ(images.Drawn, (std::vector<std::tuple<int, int, int>>{{0, 2, 19}, {0, 2, 35}}));
    markers.SetLoading(true);
    markers.SetDefaultMarkerImageIndex(1); // a stored value does not replace the constructor's
    EXPECT_EQ(markers.DefaultMarkerImageIndex(), 0);
}
