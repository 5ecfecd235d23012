// The fixed-text window.
#include "windows/TextWindow.h"

#include "windows/Resources.h"

#include "platform/WindowStyle.h"

#include <QPlainTextEdit>

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

    // The line break after the last line ends it; it does not begin another.
    QByteArray text = ResourceBytes(definition.TextResource);
    if (text.endsWith('\n'))
        text.chop(1);
    Memo1->setPlainText(QString::fromUtf8(text));

    MoveToDesktopCentre(*this);
}

void TTextWindow::ShowInFront() {
    show();
    raise();
    activateWindow();
}
