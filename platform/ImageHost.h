// A host without a window, for painting an editor into an image: a fixed client size, the
// input focus as set, and no scroll bars, caret, clipboard or timers.
#pragma once

#include "editor/CodeMemo.h"
#include "editor/Platform.h"

#include <QImage>

class ImageHost : public Host {
public:
    explicit ImageHost(int width = 425, int height = 353) : FClient{0, 0, width, height} {}

    bool Focus = true;

    void Invalidate() override {}
    void InvalidateRect(const TRect&) override {}
    TRect ClientRect() override { return FClient; }
    void SetScrollBar(TScrollBarKind, int, int, int, int) override {}
    void ShowScrollBar(TScrollBarKind, bool) override {}
    int ScrollBarWidth() override { return 17; }
    void CreateCaret(int, int) override {}
    void DestroyCaret() override {}
    void ShowCaret() override {}
    void HideCaret() override {}
    void SetCaretPos(int, int) override {}
    void SetCaretBlinking(bool) override {}
    void SetFocus() override { Focus = true; }
    bool HasFocus() override { return Focus; }
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
    void ShowHint(const THintParts&, const std::string&, int, TColor, TColor, TPoint) override {}
    void HideHint() override {}
    TPoint ClientToScreen(TPoint p) override { return p; }

private:
    TRect FClient;
};

// Paints memo, whose host's client rectangle gives the size, into image (RGB32).
void PaintToImage(TCodeCustomMemo& memo, QImage& image);
QImage PaintToImage(TCodeCustomMemo& memo);
