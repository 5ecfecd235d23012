// TCodeGutter: settings, placement and painting.
#include "editor/view/Gutter.h"

#include "editor/CodeMemo.h"

#include <algorithm>
#include <cmath>

TCodeGutter::TCodeGutter(TCodeCustomMemo& memo) : FMemo(memo) {}

void TCodeGutter::PlaceForBorder() {
    if (FMemo.BorderStyle() == bsSingle) {
        FLeft = FTop = FMemo.Ctl3D() ? 2 : 1;
        FWidth = FGutterWidth;
    } else {
        FLeft = FTop = 0;
        FWidth = FGutterWidth + 2;
    }
}

void TCodeGutter::Invalidate() {
    FMemo.GetHost().InvalidateRect(TRect{FLeft, FTop, FLeft + FWidth, FTop + FHeight});
}

void TCodeGutter::SetGutterColor(TColor c) {
    if (c != FGutterColor) {
        FGutterColor = c;
        Invalidate();
    }
}

void TCodeGutter::SetGutterColorTo(TColor c) {
    FGutterColorTo = c;
    Invalidate();
}

void TCodeGutter::SetShowLeadingZeros(bool value) {
    FShowLeadingZeros = value;
    Invalidate();
}

void TCodeGutter::SetVisible(bool value) {
    FVisible = value;
    Invalidate();
    FMemo.Invalidate();
}

void TCodeGutter::SetDigitCount(int count) {
    FDigitCount = count;
    Invalidate();
}

void TCodeGutter::SetGutterWidth(int width) {
    FGutterWidth = width;
    FWidth = width;
    FMemo.UpdateScrollBars();
    FMemo.Invalidate();
}

void TCodeGutter::SetGutterMargin(int margin) {
    FGutterMargin = std::max(margin, 45);
}

void TCodeGutter::SetFont(const TFont& font) {
    FFont = font;
    if (OnChange)
        OnChange(*this);
}

void TCodeGutter::SetNumberSuffix(std::string suffix) {
    FNumberSuffix = std::move(suffix);
    Invalidate();
}

void TCodeGutter::SetLineNumberTextColor(TColor c) {
    if (c != FLineNumberTextColor) {
        FLineNumberTextColor = c;
        Invalidate();
    }
}

void TCodeGutter::SetShowLineNumbers(bool value) {
    FShowLineNumbers = value;
    Invalidate();
}

void TCodeGutter::SetShowModified(bool value) {
    FShowModified = value;
    Invalidate();
}

void TCodeGutter::SetLineNumberStart(int start) {
    if (start < 0 || start == FLineNumberStart)
        return;
    FLineNumberStart = start;
    Invalidate();
}

void TCodeGutter::SetModifiedColor(TColor c) {
    FModifiedColor = c;
    Invalidate();
}

void TCodeGutter::SetModifiedColorBkg(TColor c) {
    FModifiedColorBkg = c;
    Invalidate();
}

void TCodeGutter::SetBorderColor(TColor c) {
    FBorderColor = c;
    Invalidate();
}

TCodeGutter::TLineNumber TCodeGutter::FormatLineNumber(int number) const {
    TLineNumber result;
    result.Text = std::to_string(number);
    if (FShowLeadingZeros && static_cast<int>(result.Text.size()) < FDigitCount)
        result.Text.insert(0, static_cast<std::size_t>(FDigitCount) - result.Text.size(), '0');
    result.X = FGutterWidth - FGutterMargin;
    // Digits are taken as 8 pixels wide: numbers of up to four digits end at the same x.
    switch (result.Text.size()) {
    case 1:
        result.X += 24;
        break;
    case 2:
        result.X += 16;
        break;
    case 3:
        result.X += 8;
        break;
    default:
        break;
    }
    return result;
}

namespace {

int Channel(TColor c, int shift) {
    return static_cast<int>((c >> shift) & 0xFF);
}

} // namespace

TColor GradientBandColor(TColor start, TColor end, int n) {
    TColor result = 0;
    for (int shift : {0, 8, 16}) {
        int from = Channel(start, shift);
        int to = Channel(end, shift);
        // nearbyint rounds halves to even in the default rounding mode.
        auto value = static_cast<int>(std::nearbyint(from + n * (to - from) / 48.0));
        result |= static_cast<TColor>(std::clamp(value, 0, 255)) << shift;
    }
    return result;
}

void TCodeGutter::PaintGradient(Surface& surface, const TRect& r, TColor from, TColor to) {
    from = surface.ResolveColor(from);
    to = surface.ResolveColor(to);
    int w = r.Right - r.Left;
    int bandWidth = w / 48 + 1;
    for (int n = 0; n < 48; ++n) {
        int left = r.Left + static_cast<int>(std::nearbyint(n * w / 48.0));
        TRect band{left, r.Top, std::min(left + bandWidth, r.Right), r.Bottom};
        if (!band.IsEmpty())
            surface.FillRect(band, GradientBandColor(from, to, n));
    }
}

void TCodeGutter::Paint(Surface& surface) {
    int bottom = FTop + FHeight;
    surface.FillRect(TRect{FLeft + FWidth - 1, FTop, FLeft + FWidth, bottom}, FBorderColor);
    surface.FillRect(TRect{FLeft + FWidth - 2, FTop, FLeft + FWidth - 1, bottom}, clWhite);
    if (FGutterColorTo == clNone)
        surface.FillRect(TRect{FLeft, FTop, FLeft + FWidth - 2, bottom}, FGutterColor);
    else
        PaintGradient(surface, TRect{FLeft, FTop, FLeft + FWidth - 1, bottom}, FGutterColor,
                      FGutterColorTo);

    if (!FMemo.OnGutterDraw)
        return;
    int lineHeight = std::max(1, FMemo.LineHeight());
    int count = FMemo.Lines().Count();
    int line = FMemo.TopLine();
    for (int y = FTop; y < bottom; y += lineHeight) {
        FMemo.OnGutterDraw(FMemo, surface, line,
                           TRect{FLeft, y, FLeft + FWidth - 2, y + lineHeight});
        ++line;
        if (line >= count)
            break;
    }
}

void TCodeGutter::PaintLine(Surface& surface, int lineNo, const TRect& rct) {
    int x = rct.Left;
    int y = rct.Top;
    const TCodeMarkerList& markers = FMemo.MarkerList();
    if (markers.HasMarker(lineNo)) {
        int image = markers.ShownImageOf(lineNo);
        const TImageList* images = markers.MarkerImageList();
        if (images && image >= 0 && image < images->Count())
            images->Draw(surface, image, x + 1, y + 2);
        x += 16;
    }
    if (FShowLineNumbers) {
        surface.SetFont(FFont.Name, FFont.Height, FFont.Style);
        TLineNumber number = FormatLineNumber(lineNo + FLineNumberStart);
        surface.DrawText(number.X, y, number.Text + FNumberSuffix, FLineNumberTextColor, clNone);
        const TFont& editorFont = FMemo.Font();
        surface.SetFont(editorFont.Name, editorFont.Height, editorFont.Style);
    }
    const TCodeMemoStrings& lines = FMemo.Lines();
    bool emptyText = lines.Count() == 0;
    if (lineNo < 0 || (lineNo >= lines.Count() && !(emptyText && lineNo == 0)))
        return;
    const TLineProp* prop = lines.GetLineProp(lineNo);
    if (FShowModified) {
        TColor bar = prop && prop->Modified ? FModifiedColor : FModifiedColorBkg;
        if (bar != clNone)
            surface.FillRect(TRect{rct.Right - 4, y, rct.Right, rct.Bottom}, bar);
    }
    if (prop && prop->Breakpoint)
        surface.Ellipse(TRect{x + 2, y + 4, x + 12, y + 14}, clBlack, clRed);
    PaintProblemSign(surface, lineNo, rct);
    if (lineNo == FMemo.ActiveLine() && FMemo.ActiveLineSettings().ShowActiveLineIndicator())
        surface.Polygon({{x + 13, y + 7},
                         {x + 13, y + 11},
                         {x + 16, y + 11},
                         {x + 16, y + 14},
                         {x + 21, y + 9},
                         {x + 16, y + 4},
                         {x + 16, y + 7}},
                        clGray, clLime);
}

void TCodeGutter::PaintProblemSign(Surface& surface, int lineNo, const TRect& rct) {
    std::span<const TCodeProblem> problems = FMemo.Problems().OfLine(lineNo);
    if (problems.empty())
        return;
    const bool error = std::ranges::any_of(
        problems, [](const TCodeProblem& p) { return p.Kind == TProblemKind::Error; });
    // A small triangle pointing up at the gutter's right edge, clear of the numbers' digits,
    // the compiled-line disc and the stop points at the left.
    const int right = rct.Right - 2;
    const int bottom = rct.Top + std::min(rct.Height(), 15) - 2;
    surface.Polygon({{right - 8, bottom}, {right - 4, bottom - 8}, {right, bottom}}, clBlack,
                    ProblemColor(error ? TProblemKind::Error : TProblemKind::Warning));
}
