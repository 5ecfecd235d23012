// A window that shows one fixed text: the shape shared by the command reference and the program
// help. The text can be selected and copied but not changed; lines wrap at the field's width and
// the field has no scroll bars.
//
// The text is a UTF-8 file built in as a resource (data/help/): one line of the window per line
// of the file, every line ended by LF, the last one too. So a text whose last line is empty ends
// in two line breaks; spaces at the ends of lines are part of the text.
#pragma once

#include <QDialog>
#include <QFont>
#include <QRect>
#include <QString>

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
        QString TextResource; // ":/help/commands.txt"
    };

    TTextWindow(const TDefinition& definition, QWidget* parent);
};
