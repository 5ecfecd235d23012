// The host window of every editor test: it records what the editor asks of its window
// (repaints, caret calls, scroll bars, the clipboard, popup menus, the cursor, hints) and
// answers the questions the editor asks with values a test sets (size, focus, scroll-bar
// width, the clipboard, the menu choice).
#pragma once

#include "editor/Platform.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

class FakeHost : public Host {
public:
    struct ScrollBar {
        int Min = 0;
        int Max = 0;
        int Page = 0;
        int Pos = 0;
        bool Visible = false;
        bool operator==(const ScrollBar&) const = default;
    };

    // Answers.
    TRect Client{0, 0, 402, 302};
    bool Focused = false;
    bool Enabled = true;
    int ScrollWidth = 16;
    int MenuAnswer = -1; // the index PopupMenu returns
    bool ClipboardHasText = false;
    std::string Clipboard;
    // Off: the repaint rectangles, caret calls and cursor changes are not kept (a benchmark
    // makes millions of them).
    bool KeepRecords = true;

    // Records.
    int Invalidations = 0;
    std::vector<TRect> InvalidatedRects;
    ScrollBar Bars[2];
    std::vector<std::string> CaretCalls;
    bool Blinking = true;
    int FocusRequests = 0;
    TCursorShape Cursor = TCursorShape::IBeam;
    std::vector<TCursorShape> CursorHistory;
    std::vector<std::vector<TMenuItem>> Menus;
    std::vector<TPoint> MenuPoints;
    std::vector<TCursorShape> CursorDuringMenu;
    int ClipboardWrites = 0;
    std::vector<std::string> OpenedUrls;
    int Drags = 0;
    std::map<int, int> Timers;
    bool HintShown = false;
    std::string HintText;
    THintParts HintParts;
    TPoint HintAt;

    void Invalidate() override { ++Invalidations; }
    void InvalidateRect(const TRect& r) override {
        if (KeepRecords)
            InvalidatedRects.push_back(r);
    }
    TRect ClientRect() override { return Client; }

    void SetScrollBar(TScrollBarKind kind, int min, int max, int page, int pos) override {
        ScrollBar& bar = Bars[static_cast<int>(kind)];
        bar.Min = min;
        bar.Max = max;
        bar.Page = page;
        bar.Pos = pos;
    }
    void ShowScrollBar(TScrollBarKind kind, bool visible) override {
        Bars[static_cast<int>(kind)].Visible = visible;
    }
    int ScrollBarWidth() override { return ScrollWidth; }

    void CreateCaret(int width, int height) override {
        Caret("create " + std::to_string(width) + "x" + std::to_string(height));
    }
    void DestroyCaret() override { Caret("destroy"); }
    void ShowCaret() override { Caret("show"); }
    void HideCaret() override { Caret("hide"); }
    void SetCaretPos(int x, int y) override {
        if (KeepRecords)
            Caret("pos " + std::to_string(x) + "," + std::to_string(y));
    }
    void SetCaretBlinking(bool blinking) override { Blinking = blinking; }

    void SetFocus() override {
        Focused = true;
        ++FocusRequests;
    }
    bool HasFocus() override { return Focused; }
    bool IsEnabled() override { return Enabled; }

    void SetCursor(TCursorShape shape) override {
        Cursor = shape;
        if (KeepRecords)
            CursorHistory.push_back(shape);
    }
    int PopupMenu(const std::vector<TMenuItem>& items, TPoint p) override {
        Menus.push_back(items);
        MenuPoints.push_back(p);
        CursorDuringMenu.push_back(Cursor);
        return MenuAnswer;
    }

    bool HasClipboardText() override { return ClipboardHasText; }
    std::string ClipboardText() override { return ClipboardHasText ? Clipboard : std::string(); }
    void SetClipboardText(const std::string& text) override {
        ClipboardHasText = true;
        Clipboard = text;
        ++ClipboardWrites;
    }
    // Puts text on the clipboard as another program would.
    void OfferClipboard(const std::string& text) {
        ClipboardHasText = true;
        Clipboard = text;
    }

    void OpenUrl(const std::string& url) override { OpenedUrls.push_back(url); }
    void StartDrag() override { ++Drags; }

    void StartTimer(int id, int ms) override { Timers[id] = ms; }
    void StopTimer(int id) override { Timers.erase(id); }

    void ShowHint(const THintParts& parts, const std::string&, int, TColor, TColor,
                  TPoint at) override {
        HintShown = true;
        HintParts = parts;
        HintText = parts.First + parts.Middle + parts.Last;
        HintAt = at;
    }
    void HideHint() override { HintShown = false; }
    TPoint ClientToScreen(TPoint p) override { return TPoint{p.X + 1000, p.Y + 500}; }

private:
    void Caret(std::string call) {
        if (KeepRecords)
            CaretCalls.push_back(std::move(call));
    }
};
