// The Qt window of the code editor: hosts a TCodeMemo and gives it what editor/Platform.h asks
// for — painting, keys, the mouse, scroll bars, the caret, the clipboard, menus and the hint.
#pragma once

#include "editor/CodeMemo.h"
#include "platform/Shell.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>

class QScrollBar;
class TParameterHintWindow;

class TCodeMemoWidget : public QWidget, private Host {
    Q_OBJECT
public:
    explicit TCodeMemoWidget(QWidget* parent = nullptr);
    ~TCodeMemoWidget() override;

    TCodeMemo& Memo() { return *FMemo; }
    QScrollBar* VerticalBar() const { return FVertBar; }
    QScrollBar* HorizontalBar() const { return FHorzBar; }
    // The hint window, while one exists (for tests).
    QWidget* HintWindow() const;
    bool CaretVisible() const { return FCaretCreated && FCaretShown; }
    // Measures the editor's font now, so that its cells are known before the first paint; call
    // it again after changing the editor's font.
    void MeasureFont();
    // Where clicked links go (not owned); the desktop's handlers unless set.
    void SetShell(Shell& shell) { FShell = &shell; }
    QRect CaretRect() const;
    // Where the tooltip over the text comes from: the text for the cell at line and column
    // (0-based, in the whole text), or an empty string for none.
    void SetToolTipSource(std::function<QString(int line, int column)> source) {
        FToolTipSource = std::move(source);
    }

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    // Host
    void Invalidate() override;
    void InvalidateRect(const TRect& r) override;
    TRect ClientRect() override;
    void SetScrollBar(TScrollBarKind kind, int min, int max, int page, int pos) override;
    void ShowScrollBar(TScrollBarKind kind, bool visible) override;
    int ScrollBarWidth() override;
    void CreateCaret(int width, int height) override;
    void DestroyCaret() override;
    void ShowCaret() override;
    void HideCaret() override;
    void SetCaretPos(int x, int y) override;
    void SetCaretBlinking(bool blinking) override;
    void SetFocus() override;
    bool HasFocus() override;
    bool IsEnabled() override;
    void SetCursor(TCursorShape shape) override;
    int PopupMenu(const std::vector<TMenuItem>& items, TPoint p) override;
    bool HasClipboardText() override;
    std::string ClipboardText() override;
    void SetClipboardText(const std::string& text) override;
    void OpenUrl(const std::string& url) override;
    void StartDrag() override;
    void StartTimer(int id, int ms) override;
    void StopTimer(int id) override;
    void ShowHint(const THintParts& parts, const std::string& fontName, int fontHeight, TColor text,
                  TColor bk, TPoint screenPos) override;
    void HideHint() override;
    TPoint ClientToScreen(TPoint p) override;

    void PlaceScrollBars();
    void OnScrollAction(TScrollBarKind kind, int action);
    void UpdateCaretRect();

    QtShell FOwnShell;
    Shell* FShell = nullptr;
    std::unique_ptr<TCodeMemo> FMemo;
    QScrollBar* FVertBar;
    QScrollBar* FHorzBar;
    QTimer FBlinkTimer;
    std::map<int, std::unique_ptr<QTimer>> FTimers;
    std::unique_ptr<TParameterHintWindow> FHint;
    bool FCaretCreated = false;
    bool FCaretShown = false;
    bool FCaretOn = true;
    QSize FCaretSize;
    QPoint FCaretPos;
    int FWheelRemainder = 0;
    bool FBlockScrollSignals = false;
    std::function<QString(int, int)> FToolTipSource;
};
