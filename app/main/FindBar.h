// The find bar ("FindBar") below the editor: the text searched for, Aa (match case), whole
// words, ↑ and ↓, "N из M", a notice (gone round the text, replaced, not found) and the replace
// row with Заменить and Заменить все. Ctrl+F and Ctrl+H of the editor open it, F3 and Shift+F3
// find the next and previous match wherever the focus is in the window, Esc closes it and gives
// the focus back to the editor. The count runs after a quiet time and in slices, so that typing
// in the bar never waits for a pass over a long text.
#pragma once

#include "editor/commands/Search.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

class QAction;
class QAbstractButton;
class QLabel;
class QLineEdit;
class TCodeMemoWidget;

class TFindBar : public QWidget {
    Q_OBJECT

public:
    // The quiet time after the last change before counting, and the lines of one slice.
    static constexpr int kQuietMs = 150;
    static constexpr int kLinesPerSlice = 100000;

    // F3 and Shift+F3 are added to window as its shortcuts.
    TFindBar(TCodeMemoWidget& editor, QWidget& window, QWidget* parent = nullptr);

    // Shows the bar with the find row alone or with the replace row, the selected text of one
    // line as the text to find, and the focus in the find text.
    void Open(bool withReplace);
    void Close();
    // Open until closed; the window shows the bar while it is (VisibilityChanged).
    bool IsOpen() const { return FOpen; }
    // The editor's text has changed: the count is made again.
    void TextChanged();
    void FindNext() { Find(1); }
    void FindPrevious() { Find(-1); }
    void ReplaceOne();
    void ReplaceAll();

signals:
    // The bar has been opened or closed.
    void VisibilityChanged();

private:
    TSearchPattern Pattern() const;
    void PatternChanged();
    void Find(int direction);
    void Recount();
    void CountSlice();
    void SetNotice(const QString& text);

    TCodeMemoWidget& FEditor;
    bool FOpen = false;
    QLineEdit* FFindText = nullptr;
    QAbstractButton* FMatchCase = nullptr;
    QAbstractButton* FWholeWords = nullptr;
    QLabel* FCount = nullptr;
    QLabel* FNotice = nullptr;
    QWidget* FReplaceRow = nullptr;
    QLineEdit* FReplaceText = nullptr;
    TMatchCounter FCounter{kQuietMs};
    QElapsedTimer FClock;
    QTimer FQuiet;
    QTimer FSlices;
};
