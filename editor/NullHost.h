// A host window that does nothing: for an editor that has no window, such as the one the
// headless compiler reads a program into. It has no client area, so no rows are visible.
#pragma once

#include "editor/Platform.h"

class NullHost : public Host {
public:
    void Invalidate() override {}
    void InvalidateRect(const TRect&) override {}
    TRect ClientRect() override { return TRect{}; }

    void SetScrollBar(TScrollBarKind, int, int, int, int) override {}
    void ShowScrollBar(TScrollBarKind, bool) override {}
    int ScrollBarWidth() override { return 0; }

    void CreateCaret(int, int) override {}
    void DestroyCaret() override {}
    void ShowCaret() override {}
    void HideCaret() override {}
    void SetCaretPos(int, int) override {}
    void SetCaretBlinking(bool) override {}

    void SetFocus() override {}
    bool HasFocus() override { return false; }
    bool IsEnabled() override { return true; }

    void SetCursor(TCursorShape) override {}
    int PopupMenu(const std::vector<TMenuItem>&, TPoint) override { return -1; }

    bool HasClipboardText() override { return false; }
    std::string ClipboardText() override { return std::string(); }
    void SetClipboardText(const std::string&) override {}

    void OpenUrl(const std::string&) override {}
    void StartDrag() override {}

    void StartTimer(int, int) override {}
    void StopTimer(int) override {}

    void ShowHint(const THintParts&, const std::string&, int, TColor, TColor, TPoint) override {}
    void HideHint() override {}
    TPoint ClientToScreen(TPoint p) override { return p; }
};
