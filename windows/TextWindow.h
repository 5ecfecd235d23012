// A window that shows one fixed text: the shape shared by the command reference and the program
// help. The text can be selected and copied but not changed; lines wrap at the field's width and
// the field has no scroll bars.
#pragma once

#include <QDialog>
#include <QFont>
#include <QRect>
#include <QString>

#include <span>

class QPlainTextEdit;

class TTextWindow : public QDialog {
    Q_OBJECT

public:
    // ShowCommandReference and ShowProgramHelp: makes the window visible and brings it to the
    // front; a window already visible only comes to the front. The window is modeless.
    void ShowInFront();

    QPlainTextEdit* Memo1; // owned by the window

protected:
    struct TDefinition {
        QString Caption;
        QSize ClientSize;
        QRect MemoGeometry;
        bool MemoBorder;
        QFont MemoFont;
        std::span<const char* const> Lines; // UTF-8
    };

    TTextWindow(const TDefinition& definition, QWidget* parent);
};
