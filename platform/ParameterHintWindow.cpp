// Painting the parameter hint.
#include "platform/ParameterHintWindow.h"

#include "base/Cp1251.h"
#include "platform/QtColors.h"

#include <QFontMetrics>
#include <QPainter>

TParameterHintWindow::TParameterHintWindow()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

QFont TParameterHintWindow::FontFor(int part) const {
    QFont font = FFont;
    font.setBold(part == FBold);
    return font;
}

void TParameterHintWindow::ShowParts(const THintParts& parts, const std::string& fontName,
                                     int fontHeight, TColor text, TColor bk, QPoint screenPos) {
    FFirst = QString::fromStdString(Cp1251ToUtf8(parts.First));
    FMiddle = QString::fromStdString(Cp1251ToUtf8(parts.Middle));
    FLast = QString::fromStdString(Cp1251ToUtf8(parts.Last));
    FBold = parts.Bold;
    FFont = QFont(QString::fromStdString(fontName));
    FFont.setPixelSize(std::abs(fontHeight));
    FText = ToQColor(text, palette());
    FBk = ToQColor(bk, palette());

    const QString texts[] = {FFirst, FMiddle, FLast};
    int width = 6;
    for (int part = 1; part <= 3; ++part)
        width += QFontMetrics(FontFor(part)).horizontalAdvance(texts[part - 1]);
    int height = QFontMetrics(FFont).height() + 5;
    setGeometry(screenPos.x(), screenPos.y(), width, height);
    show();
    update();
}

void TParameterHintWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.setBrush(FBk);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(FText);
    int x = 2;
    const QString texts[] = {FFirst, FMiddle, FLast};
    for (int part = 1; part <= 3; ++part) {
        QFont font = FontFor(part);
        painter.setFont(font);
        QFontMetrics metrics(font);
        painter.drawText(x, 2 + metrics.ascent(), texts[part - 1]);
        x += metrics.horizontalAdvance(texts[part - 1]);
    }
}
