// A host window that answers every question plainly and counts repaint requests.
#pragma once

#include "editor/Platform.h"

class QuietHost : public Host {
public:
    int Invalidations = 0;
    TRect Client{0, 0, 425, 353};

    void Invalidate() override { ++Invalidations; }
    void InvalidateRect(const TRect&) override { ++Invalidations; }
    TRect ClientRect() override { return Client; }
    void SetScrollBar(TScrollBarKind, int, int, int, int) override {}
    void ShowScrollBar(TScrollBarKind, bool) override {}
    int ScrollBarWidth() override { return 16; }
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
    std::string ClipboardText() override { return {}; }
    void SetClipboardText(const std::string&) override {}
    void OpenUrl(const std::string&) override {}
    void StartDrag() override {}
    void StartTimer(int, int) override {}
    void StopTimer(int) override {}
    void ShowHint(const std::string&, int, int, TPoint) override {}
    void HideHint() override {}
    TPoint ClientToScreen(TPoint p) override { return p; }
};
