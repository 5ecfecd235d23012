// The fixed-text window.
#include "windows/TextWindow.h"

#include "platform/WindowStyle.h"

#include <QPlainTextEdit>
#include <QStringList>

TTextWindow::TTextWindow(const TDefinition& definition, QWidget* parent)
    : QDialog(parent), Memo1(new QPlainTextEdit(this)) {
    setWindowTitle(definition.Caption);
    SetDialogBorder(*this, definition.ClientSize.width(), definition.ClientSize.height());
    setFont(WindowFont(QStringLiteral("MS Sans Serif"), 11));
    setModal(false);

    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(definition.MemoGeometry);
    Memo1->setFont(definition.MemoFont);
    if (!definition.MemoBorder)
        Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setReadOnly(true);
    Memo1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    QStringList lines;
    for (const char* line : definition.Lines)
        lines << QString::fromUtf8(line);
    Memo1->setPlainText(lines.join(QLatin1Char('\n')));

    MoveToDesktopCentre(*this);
}

void TTextWindow::ShowInFront() {
    show();
    raise();
    activateWindow();
}
