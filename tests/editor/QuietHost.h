// A host window that answers every question plainly and counts repaint requests.
#pragma once

#include "editor/Platform.h"

#include <optional>

class QuietHost : public Host {
public:
    int Invalidations = 0;
    int Drags = 0;
    bool Focused = false;
    TRect Client{0, 0, 425, 353};
    std::vector<std::string> OpenedUrls;
    TCursorShape Cursor = TCursorShape::IBeam;
    std::optional<THintParts> HintShown;
    TPoint HintAt;

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
    void SetFocus() override { Focused = true; }
    bool HasFocus() override { return Focused; }
    bool IsEnabled() override { return true; }
    void SetCursor(TCursorShape shape) override { Cursor = shape; }
    int PopupMenu(const std::vector<TMenuItem>&, TPoint) override { return -1; }
    bool HasClipboardText() override { return false; }
    std::string ClipboardText() override { return {}; }
    void SetClipboardText(const std::string&) override {}
    void OpenUrl(const std::string& url) override { OpenedUrls.push_back(url); }
    void StartDrag() override { ++Drags; }
    void StartTimer(int, int) override {}
    void StopTimer(int) override {}
    void ShowHint(const THintParts& parts, const std::string&, int, TColor, TColor,
                  TPoint at) override {
        HintShown = parts;
        HintAt = at;
    }
    void HideHint() override { HintShown.reset(); }
    TPoint ClientToScreen(TPoint p) override { return p; }
};
