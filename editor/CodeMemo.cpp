// The editor's construction, its link to the line store and the per-line flags.
#include "editor/CodeMemo.h"

#include "editor/Gutter.h"

#include <algorithm>

TCodeCustomMemo::TCodeCustomMemo(Host& host)
    : FHost(host), FLines(std::make_unique<TCodeMemoStrings>(*this)),
      FGutter(std::make_unique<TCodeGutter>(*this)) {
    OnGutterDraw = [](TCodeCustomMemo& memo, Surface& surface, int line, const TRect& rct) {
        memo.Gutter().PaintLine(surface, line, rct);
    };
    OnGutterClick = [](TCodeCustomMemo& memo, int line) { memo.SetCurY(line); };
    AttachLines();
    FLines->Add("");
}

TCodeCustomMemo::~TCodeCustomMemo() {
    ReleaseStyler();
    DetachLines();
}

void TCodeCustomMemo::AttachLines() {
    FLines->OnChange = [this](TCodeMemoStrings&) { LinesChanged(); };
}

void TCodeCustomMemo::DetachLines() {
    FLines->OnChange = nullptr;
}

void TCodeCustomMemo::LinesChanged() {
    if (!FNotifyChanges)
        return;
    if (OnChange)
        OnChange(*this);
    FHost.Invalidate();
    if (FLines->LineLengths().Count() == FLines->Count())
        FMaxLineLength = FLines->LineLengths().Max();
    UpdateScrollBars();
    FHost.Invalidate();
}

void TCodeCustomMemo::SetBreakpoint(int index, bool value) {
    DetachLines();
    TLineProp* prop = FLines->GetLineProp(index);
    if (!prop)
        prop = FLines->CreateLineProp(index);
    prop->Breakpoint = value;
    AttachLines();
    FHost.Invalidate();
}

void TCodeCustomMemo::SetModified(int index, bool value) {
    if (index >= FLines->Count())
        return;
    DetachLines();
    TLineProp* prop = FLines->GetLineProp(index);
    if (!prop)
        prop = FLines->CreateLineProp(index);
    if (prop->Modified != value) {
        prop->Modified = value;
        FHost.Invalidate();
    }
    AttachLines();
}

void TCodeCustomMemo::ClearAll() {
    SetCurX(0);
    SetCurY(0);
    FLeftCol = 0;
    FTopLine = 0;
    FNotifyChanges = false;
    FLines->Clear();
    FHost.Invalidate();
    FSelStartX = FSelStartY = FSelEndX = FSelEndY = 0;
    FNotifyChanges = true;
    LinesChanged();
}

void TCodeCustomMemo::DeleteLine() {
    int y0 = FCurY;
    if (y0 < 0 || y0 >= FLines->Count())
        return;
    SetCurX(0);
    if (FLines->Count() == 1) {
        FLines->Put(0, "");
    } else if (FCurY == FLines->Count() - 1) {
        SetCurY(FCurY - 1);
        FLines->RemoveLine(FCurY + 1);
    } else {
        FLines->RemoveLine(FCurY);
    }
    ClearSelection();
    FHost.Invalidate();
}

void TCodeCustomMemo::CaretChanged() {
    if (OnCursorChange)
        OnCursorChange(*this);
}

void TCodeCustomMemo::HideParameterHint() {
    if (FHintVisible) {
        FHintVisible = false;
        FHost.HideHint();
    }
}

void TCodeCustomMemo::TimerExpired(int) {}

void TCodeCustomMemo::InvalidateLine(int line) {
    TRect area = TextArea();
    int top = area.Top + 1 + (line - FTopLine) * FLineHeight;
    if (top + FLineHeight < area.Top || top > area.Bottom)
        return;
    FHost.InvalidateRect(TRect{area.Left, top, area.Right, top + FLineHeight});
}

void TCodeCustomMemo::SetTabSize(int size) {
    if (size != FTabSize) {
        FTabSize = size;
        FHost.Invalidate();
    }
}
