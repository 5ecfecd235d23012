// Clicks, drags, double clicks, links, the wheel and the scroll bars.
#include "editor/CodeMemo.h"
#include "support/FakeHost.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

struct Fixture {
    FakeHost host;
    TCodeMemo memo{host};

    explicit Fixture(Lines text) { memo.Lines().Assign(text); }

    // The client point in the middle of the cell of a text position.
    TPoint At(int col, int line) {
        TRect area = memo.TextArea();
        return TPoint{area.Left + (col - memo.LeftCol()) * memo.CharWidth() + memo.CharWidth() / 2,
                      area.Top + (line - memo.TopLine()) * memo.LineHeight() +
                          memo.LineHeight() / 2};
    }
    void Click(int col, int line, bool shift = false) {
        TPoint p = At(col, line);
        memo.MouseDown(TMouseButton::mbLeft, shift, p.X, p.Y);
        memo.MouseUp(TMouseButton::mbLeft, p.X, p.Y);
    }
    void Drag(TPoint from, TPoint to) {
        memo.MouseDown(TMouseButton::mbLeft, false, from.X, from.Y);
        memo.MouseMove(true, from.X, from.Y); // ignored: the move right after the click
        memo.MouseMove(true, to.X, to.Y);
        memo.MouseUp(TMouseButton::mbLeft, to.X, to.Y);
    }
    Lines Text() const { return memo.Lines().ToVector(); }
    std::tuple<int, int, int, int> Selection() const {
        return {memo.SelStartX(), memo.SelStartY(), memo.SelEndX(), memo.SelEndY()};
    }
};

Lines ManyLines(int n) {
    Lines text;
    for (int i = 0; i < n; ++i)
        text.push_back("pause_" + std::to_string(i % 100));
    return text;
}

} // namespace

TEST(MouseClick, BeyondTheLineEndPadsAndLeavingTrims) {
    Fixture f({"stop", "allond"});
    f.Click(9, 0);
    EXPECT_EQ(f.memo.CurX(), 9);
    EXPECT_EQ(f.memo.CurY(), 0);
    EXPECT_EQ(f.Text()[0], "stop     ");
    EXPECT_TRUE(f.host.Focused) << "a click gives the editor the focus";
    f.Click(2, 1);
    EXPECT_EQ(f.Text(), (Lines{"stop", "allond"}));
    EXPECT_EQ(f.memo.CurX(), 2);
    EXPECT_EQ(f.memo.CurY(), 1);
    f.Click(3, 40);
    EXPECT_EQ(f.memo.CurY(), 1) << "below the text the caret stays on the last line";
}

TEST(MouseClick, ShiftExtendsAndAClickInsideTheSelectionCollapsesIt) {
    Fixture f({"portdwrite_FF", "incd", "goto_0000"});
    f.Click(2, 0);
    f.Click(3, 2, true);
    EXPECT_EQ(f.Selection(), std::make_tuple(2, 0, 3, 2));

    TPoint inside = f.At(1, 1);
    f.memo.MouseDown(TMouseButton::mbLeft, false, inside.X, inside.Y);
    EXPECT_TRUE(f.memo.DragPending());
    EXPECT_EQ(f.Selection(), std::make_tuple(2, 0, 3, 2)) << "kept until the button comes up";
    f.memo.MouseUp(TMouseButton::mbLeft, inside.X, inside.Y);
    EXPECT_FALSE(f.memo.DragPending());
    EXPECT_TRUE(f.memo.SelectionEmpty());
    EXPECT_EQ(f.memo.CurX(), 1);
    EXPECT_EQ(f.memo.CurY(), 1);

    // Pressing inside a selection and moving starts a drag that changes nothing.
    f.Click(0, 0);
    f.Click(4, 0, true);
    TPoint p = f.At(2, 0);
    f.memo.MouseMove(false, p.X, p.Y);
    f.memo.MouseDown(TMouseButton::mbLeft, false, p.X, p.Y);
    f.memo.MouseMove(true, p.X + 5, p.Y);
    EXPECT_EQ(f.host.Drags, 1);
    f.memo.MouseUp(TMouseButton::mbLeft, p.X + 5, p.Y);
    EXPECT_EQ(f.Text(), (Lines{"portdwrite_FF", "incd", "goto_0000"}));
}

TEST(MouseDrag, SelectsAndScrollsPastTheTextArea) {
    Fixture f(ManyLines(200));
    f.Drag(f.At(1, 0), f.At(3, 1));
    EXPECT_EQ(f.Selection(), std::make_tuple(1, 0, 3, 1));

    TRect area = f.memo.TextArea();
    TPoint start = f.At(0, 0);
    f.memo.MouseDown(TMouseButton::mbLeft, false, start.X, start.Y);
    f.memo.MouseMove(true, start.X, start.Y);
    int rows = f.memo.VisibleRows();
    int below = area.Top + rows * f.memo.LineHeight() + 1; // the row after the last visible one
    for (int step = 1; step <= 3; ++step) {
        f.memo.MouseMove(true, start.X, below);
        EXPECT_EQ(f.memo.CurY(), rows - 1 + step) << "one line further per move";
        EXPECT_EQ(f.memo.TopLine(), step);
    }
    f.memo.MouseUp(TMouseButton::mbLeft, start.X, below);
    EXPECT_FALSE(f.memo.Selecting());
    EXPECT_EQ(f.memo.SelStartY(), 0);
    EXPECT_EQ(f.memo.SelEndY(), f.memo.CurY());
}

TEST(MouseDoubleClick, SelectsTheWordUnderTheCaret) {
    Fixture f({"lcdout 41 done", "  "});
    f.Click(2, 0);
    f.memo.DoubleClick();
    EXPECT_EQ(f.Selection(), std::make_tuple(0, 0, 6, 0));
    f.Click(6, 0); // on the space
    f.memo.DoubleClick();
    EXPECT_TRUE(f.memo.SelectionEmpty());
    f.Click(14, 0); // at the line end
    f.memo.DoubleClick();
    EXPECT_TRUE(f.memo.SelectionEmpty());
}

TEST(MouseLinks, ClickOpensLinkTokensOnly) {
    EXPECT_TRUE(IsLinkToken("HTTP://Example.org"));
    EXPECT_TRUE(IsLinkToken("www.example.org"));
    EXPECT_TRUE(IsLinkToken("mailto:x@example.org"));
    EXPECT_FALSE(IsLinkToken("http:/x"));
    EXPECT_FALSE(IsLinkToken("gopher://x"));
    EXPECT_EQ(TokenAt("see 'www.a.b', ok", 6), "www.a.b");
    EXPECT_EQ(TokenAt("see 'www.a.b', ok", 12), "', ");
    EXPECT_EQ(TokenAt("abc", 3), "");

    Fixture f({"// docs: https://example.org/tovix, stop", "stop"});
    f.Click(12, 0);
    EXPECT_EQ(f.host.OpenedUrls, (Lines{"https://example.org/tovix"}));
    f.Click(3, 0);
    f.Click(1, 1);
    EXPECT_EQ(f.host.OpenedUrls.size(), 1u) << "other tokens only place the caret";

    std::string clicked;
    f.memo.OnURLClick = [&](TCodeCustomMemo&, const std::string& url) { clicked = url; };
    f.Click(20, 0);
    EXPECT_EQ(clicked, "https://example.org/tovix");
    EXPECT_EQ(f.host.OpenedUrls.size(), 1u);

    TPoint over = f.At(20, 0);
    f.memo.MouseMove(false, over.X, over.Y); // the move right after a click is ignored
    f.memo.MouseMove(false, over.X, over.Y);
    EXPECT_EQ(f.host.Cursor, TCursorShape::Hand);
    TPoint off = f.At(1, 1);
    f.memo.MouseMove(false, off.X, off.Y);
    EXPECT_EQ(f.host.Cursor, TCursorShape::IBeam);
}

TEST(MouseWheel, StepsByFourAndStopsWithTheLastLinesInTheUpperHalf) {
    Fixture small({"a", "b"});
    small.memo.MouseWheel(true);
    small.memo.MouseWheel(false);
    EXPECT_EQ(small.memo.TopLine(), 0) << "all lines fit";

    Fixture f(ManyLines(100));
    int rows = f.memo.VisibleRows();
    f.memo.MouseWheel(true);
    EXPECT_EQ(f.memo.TopLine(), 4);
    f.memo.MouseWheel(false);
    EXPECT_EQ(f.memo.TopLine(), 0);
    for (int i = 0; i < 40; ++i)
        f.memo.MouseWheel(true);
    EXPECT_EQ(f.memo.TopLine(), 100 - rows / 2);
    EXPECT_EQ(f.memo.CurY(), 0) << "the wheel does not move the caret";
    f.memo.MouseWheel(false);
    EXPECT_EQ(f.memo.TopLine(), 100 - rows / 2 - 4) << "and scrolls back up from there";
}

TEST(ScrollBars, ActionsMoveTheViewWithinTheBar) {
    Fixture f(ManyLines(100));
    int rows = f.memo.VisibleRows();
    f.memo.ScrollBarAction(TScrollBarKind::Vertical, TScrollCode::scLineDown, 0);
    EXPECT_EQ(f.memo.TopLine(), 1);
    f.memo.ScrollBarAction(TScrollBarKind::Vertical, TScrollCode::scPageDown, 0);
    EXPECT_EQ(f.memo.TopLine(), 1 + rows);
    f.memo.ScrollBarAction(TScrollBarKind::Vertical, TScrollCode::scTrack, 500);
    EXPECT_EQ(f.memo.TopLine(), 99);
    f.memo.ScrollBarAction(TScrollBarKind::Vertical, TScrollCode::scPageUp, 0);
    EXPECT_EQ(f.memo.TopLine(), 99 - rows);
    f.memo.ScrollBarAction(TScrollBarKind::Vertical, TScrollCode::scTop, 0);
    EXPECT_EQ(f.memo.TopLine(), 0);
    EXPECT_TRUE(f.host.Focused);
}

TEST(ScrollBars, ATextThatFitsHasNoVerticalBarAndTopLineZero) {
    Fixture f(ManyLines(5));
    f.memo.SetTopLine(3);
    f.memo.UpdateScrollBars();
    EXPECT_EQ(f.memo.TopLine(), 0);
}
