// The editor's display settings: font measuring, colours, margins, border, scroll-bar
// placement, the active line, and the bookkeeping of tokenizer checkpoints.
#include "editor/CodeMemo.h"

#include "editor/view/Gutter.h"

#include <algorithm>

void TCodeCustomMemo::SetFont(const TFont& font) {
    FFont = font;
    FFontMeasured = false;
    FHost.Invalidate();
}

void TCodeCustomMemo::MeasureFont(Surface& surface) {
    surface.SetFont(FFont.Name, FFont.Height, FFont.Style);
    if (surface.TextWidth("W") != surface.TextWidth("i")) {
        FFont.Name = "FixedSys";
        surface.SetFont(FFont.Name, FFont.Height, FFont.Style);
    }
    FCharWidth = surface.TextWidth("W");
    FLineHeight = surface.TextHeight("W_") + 1;
    FFontMeasured = true;
    if (FCaretCreated) {
        FHost.HideCaret();
        FHost.DestroyCaret();
        FHost.CreateCaret(2, FLineHeight - 2);
        FHost.ShowCaret();
        UpdateSystemCaret();
    }
    UpdateScrollBars();
    FHost.Invalidate();
}

namespace {

// Stores value in field and asks for a repaint when it changed.
template <typename T> void SetAndRepaint(T& field, T value, Host& host) {
    if (field != value) {
        field = value;
        host.Invalidate();
    }
}

} // namespace

void TCodeCustomMemo::SetBkColor(TColor c) {
    SetAndRepaint(FBkColor, c, FHost);
}
void TCodeCustomMemo::SetSelColor(TColor c) {
    SetAndRepaint(FSelColor, c, FHost);
}
void TCodeCustomMemo::SetSelBkColor(TColor c) {
    SetAndRepaint(FSelBkColor, c, FHost);
}
void TCodeCustomMemo::SetBreakpointColor(TColor c) {
    SetAndRepaint(FBreakpointColor, c, FHost);
}
void TCodeCustomMemo::SetBreakpointTextColor(TColor c) {
    SetAndRepaint(FBreakpointTextColor, c, FHost);
}
void TCodeCustomMemo::SetRightMargin(int column) {
    SetAndRepaint(FRightMargin, column, FHost);
}
void TCodeCustomMemo::SetRightMarginColor(TColor c) {
    SetAndRepaint(FRightMarginColor, c, FHost);
}
void TCodeCustomMemo::SetHideSelection(bool value) {
    SetAndRepaint(FHideSelection, value, FHost);
}
void TCodeCustomMemo::SetBlockShow(bool value) {
    SetAndRepaint(FBlockShow, value, FHost);
}
void TCodeCustomMemo::SetBlockColor(TColor c) {
    SetAndRepaint(FBlockColor, c, FHost);
}
void TCodeCustomMemo::SetBlockLineColor(TColor c) {
    SetAndRepaint(FBlockLineColor, c, FHost);
}

void TCodeCustomMemo::SetShowRightMargin(bool value) {
    FShowRightMargin = value;
    FHost.Invalidate();
}

void TCodeCustomMemo::SetBorderColor(TColor c) {
    FBorderColor = c;
    FHost.Invalidate();
}

void TCodeCustomMemo::SetBorderStyle(TBorderStyle style) {
    FBorderStyle = style;
    FGutter->PlaceForBorder();
    FHost.Invalidate();
}

void TCodeCustomMemo::SetCtl3D(bool value) {
    FCtl3D = value;
    FGutter->PlaceForBorder();
    FHost.Invalidate();
}

void TCodeCustomMemo::SetScrollBars(TScrollStyle style) {
    FScrollBars = style;
    UpdateScrollBars();
    FHost.Invalidate();
}

void TCodeCustomMemo::SetUrlAware(bool value) {
    SetAndRepaint(FUrlAware, value, FHost);
}

TRect TCodeCustomMemo::ScrollBarRect(TScrollBarKind kind) {
    TRect client = FHost.ClientRect();
    int inset = FBorderStyle == bsNone ? 0 : (FCtl3D ? 2 : 1);
    int width = FHost.ScrollBarWidth();
    bool vert = FVertBarVisible && (FScrollBars == ssVertical || FScrollBars == ssBoth);
    bool horz = FHorzBarVisible && (FScrollBars == ssHorizontal || FScrollBars == ssBoth);
    int right = client.Right - inset;
    int bottom = client.Bottom - inset;
    if (kind == TScrollBarKind::Vertical)
        return vert ? TRect{right - width, inset, right, bottom - (horz ? width : 0)} : TRect{};
    return horz ? TRect{inset, bottom - width, right - (vert ? width : 0), bottom} : TRect{};
}

void TCodeCustomMemo::SetActiveLine(int line) {
    if (line == FActiveLine)
        return;
    FActiveLine = line;
    if (FActiveLineSettings.ShowActiveLine()) {
        if (line >= 0 && (line < FTopLine || line >= FTopLine + VisibleRows()))
            SetTopLine(std::max(0, line - VisibleRows() / 2));
        FHost.Invalidate();
    } else if (FActiveLineSettings.ShowActiveLineIndicator()) {
        FHost.InvalidateRect(TRect{0, 0, FGutter->GutterWidth(), FHost.ClientRect().Bottom});
    }
}

void TCodeCustomMemo::CheckpointsChangedAfter(int line) {
    FCheckpointLimit = std::min(FCheckpointLimit, line);
    if (line < FTopLine)
        InvalidateTopStateCache();
}

// ---- TCodeActiveLineSettings -----------------------------------------------------------------

void TCodeActiveLineSettings::SetShowActiveLine(bool value) {
    FShowActiveLine = value;
    FMemo.Invalidate();
}

void TCodeActiveLineSettings::SetActiveLineOverBreakpoint(bool value) {
    SetAndRepaint(FActiveLineOverBreakpoint, value, FMemo.GetHost());
}

void TCodeActiveLineSettings::SetShowActiveLineIndicator(bool value) {
    SetAndRepaint(FShowActiveLineIndicator, value, FMemo.GetHost());
}

void TCodeActiveLineSettings::SetActiveLineColor(TColor c) {
    SetAndRepaint(FActiveLineColor, c, FMemo.GetHost());
}

void TCodeActiveLineSettings::SetActiveLineTextColor(TColor c) {
    SetAndRepaint(FActiveLineTextColor, c, FMemo.GetHost());
}

void TCodeActiveLineSettings::SetActiveLineAtCursor(bool value) {
    bool switchedOn = value && !FActiveLineAtCursor;
    FActiveLineAtCursor = value;
    if (switchedOn)
        FMemo.SetActiveLine(FMemo.CurY());
}
