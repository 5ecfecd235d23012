// Test doubles for painting: a host that records what the editor asks of its window, and a
// raster surface that paints fills into a pixel grid and records every text call and shape in
// screen coordinates. Its font metrics: fixed-pitch faces 8 × 15 pixels per character; any
// other face has "W" 11 and "i" 4 pixels wide.
#pragma once

#include "compiler/CommandSet.h"
#include "editor/CodeMemo.h"
#include "editor/style/CharCase.h"
#include "editor/style/CodePasStyler.h"
#include "support/FakeHost.h"
#include "workbench/WorkbenchDisplay.h"

#include <string>
#include <vector>

// The window a painted editor sits in: the workbench editor's size, focused.
struct TestHost : FakeHost {
    TestHost() {
        Client = TRect{0, 0, 425, 353};
        Focused = true;
        ScrollWidth = 17;
    }
};

struct TextCall {
    int X, Y;
    std::string Text;
    TColor Color, Bk;
    TFontStyles Style;
    std::string Font;
};

struct ShapeCall {
    enum Kind { Ellipse, Rectangle, Polygon } What;
    TRect Box;
    TColor Pen, Brush;
    std::vector<TPoint> Points;
};

constexpr TColor Unpainted = 0x12345678;
constexpr TColor BtnFace = 0xF0F0F0;

class RasterSurface : public Surface {
public:
    RasterSurface(int width, int height)
        : W(width), H(height), Pixels(static_cast<std::size_t>(width * height), Unpainted) {}

    int W, H;
    std::vector<TColor> Pixels;
    std::vector<TextCall> Texts;
    std::vector<ShapeCall> Shapes;

    TColor At(int x, int y) const { return Pixels[static_cast<std::size_t>(y * W + x)]; }
    // Text calls whose top edge is at y.
    std::vector<TextCall> TextsAt(int y) const {
        std::vector<TextCall> out;
        for (const auto& t : Texts)
            if (t.Y == y)
                out.push_back(t);
        return out;
    }

    void SetFont(const std::string& name, int height, TFontStyles style) override {
        FName = name;
        FHeight = height;
        FStyle = style;
    }
    bool FontIsFixedPitch() override { return Fixed(); }
    int TextWidth(std::string_view text) override {
        int w = 0;
        for (char c : text)
            w += Fixed() ? 8 : (c == 'W' ? 11 : (c == 'i' ? 4 : 7));
        return w;
    }
    int TextHeight(std::string_view) override { return 15; }

    void FillRect(const TRect& r, TColor color) override { Fill(Offset(r), Resolve(color)); }
    void DrawText(int x, int y, std::string_view text, TColor color, TColor bk) override {
        TRect r = Offset(TRect{x, y, x + TextWidth(text), y + 15});
        if (bk != clNone)
            Fill(r, Resolve(bk));
        Texts.push_back({r.Left, r.Top, std::string(text), color, bk, FStyle, FName});
    }
    void Line(int x1, int y1, int x2, int y2, TColor color) override {
        FillRect(
            TRect{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2) + 1, std::max(y1, y2) + 1},
            color);
    }
    void Rectangle(const TRect& r, TColor pen, TColor brush) override {
        Shapes.push_back({ShapeCall::Rectangle, Offset(r), pen, brush, {}});
    }
    void Ellipse(const TRect& r, TColor pen, TColor brush) override {
        Shapes.push_back({ShapeCall::Ellipse, Offset(r), pen, brush, {}});
    }
    void Polygon(const std::vector<TPoint>& points, TColor pen, TColor brush) override {
        std::vector<TPoint> moved;
        for (TPoint p : points)
            moved.push_back({p.X + FOrigin.X, p.Y + FOrigin.Y});
        Shapes.push_back({ShapeCall::Polygon, {}, pen, brush, moved});
    }
    void WavyLine(int x1, int x2, int y, TColor color) override {
        for (int x = x1; x < x2; ++x) {
            int phase = (x - x1) % 4;
            FillRect(
                TRect{x, y + (phase == 3 ? 1 : phase), x + 1, y + (phase == 3 ? 2 : phase + 1)},
                color);
        }
    }
    TColor ResolveColor(TColor c) override { return Resolve(c); }
    void BeginImage(const TRect& rect) override {
        FOrigin = {rect.Left, rect.Top};
        FClip = rect;
        FClipped = true;
    }
    void EndImage() override {
        FOrigin = {0, 0};
        FClipped = false;
    }

private:
    bool Fixed() const {
        std::string n = AnsiLowerCase(FName);
        return n == "courier new" || n == "fixedsys" || n == "liberation mono";
    }
    static TColor Resolve(TColor c) {
        if (c == clBtnFace)
            return BtnFace;
        if (c == clScrollBar)
            return 0xC8C8C8;
        if (c == clInfoBk)
            return 0xE1FFFF;
        return c;
    }
    TRect Offset(TRect r) const {
        return {r.Left + FOrigin.X, r.Top + FOrigin.Y, r.Right + FOrigin.X, r.Bottom + FOrigin.Y};
    }
    void Fill(TRect r, TColor c) {
        if (FClipped)
            r = {std::max(r.Left, FClip.Left), std::max(r.Top, FClip.Top),
                 std::min(r.Right, FClip.Right), std::min(r.Bottom, FClip.Bottom)};
        for (int y = std::max(0, r.Top); y < std::min(H, r.Bottom); ++y)
            for (int x = std::max(0, r.Left); x < std::min(W, r.Right); ++x)
                Pixels[static_cast<std::size_t>(y * W + x)] = c;
    }

    std::string FName;
    int FHeight = 0;
    TFontStyles FStyle = 0;
    TPoint FOrigin{0, 0};
    TRect FClip;
    bool FClipped = false;
};

// The interpreter's command words, as the command table lists them.
inline std::vector<std::string> CommandWords() {
    return KeywordsSorted();
}

// The workbench's editor: its display settings and styler, holding lines.
struct WorkbenchEditor {
    TestHost HostWindow;
    TCodePascalMemoStyler Styler;
    TCodeMemo Memo{HostWindow};

    explicit WorkbenchEditor(const std::vector<std::string>& lines = {}) {
        ConfigureWorkbenchStyler(Styler, CommandWords());
        ConfigureWorkbenchDisplay(Memo);
        Memo.SetSyntaxStyles(&Styler);
        SetLines(lines);
    }
    void SetLines(const std::vector<std::string>& lines) {
        Memo.Lines().Clear();
        for (const auto& line : lines)
            Memo.Lines().Add(line);
    }
    RasterSurface Paint() {
        RasterSurface s(HostWindow.Client.Width(), HostWindow.Client.Height());
        Memo.Paint(s);
        return s;
    }
};
