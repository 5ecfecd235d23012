// Control placement for the main window.
#include "platform/ControlPlacement.h"

#include "platform/WindowStyle.h"

#include <QFrame>
#include <QLabel>

#include <algorithm>

QLabel* PlaceLabel(QWidget* parent, const char* name, const QString& text, QPoint at,
                   int pixelHeight, bool bold) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(WindowFont(kWindowFontFamily, pixelHeight, bold));
    label->move(at);
    label->adjustSize();
    return label;
}

void Place(QWidget* widget, const char* name, const QRect& geometry) {
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
}

void StylePanel(QFrame& panel, const QColor& colour) {
    panel.setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel.setLineWidth(1);
    SetBackground(&panel, colour);
}

void SetBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    // The background is fixed, so the colours drawn over it are fixed with it: a dark desktop
    // palette would otherwise put white labels and black check boxes on a pale panel. Edit
    // fields, lists and check boxes get the light field colours to match.
    const QColor text(Qt::black);
    const QColor disabledText(0x80, 0x80, 0x80);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text}) {
        palette.setColor(QPalette::Active, role, text);
        palette.setColor(QPalette::Inactive, role, text);
        palette.setColor(QPalette::Disabled, role, disabledText);
    }
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::AlternateBase, QColor(0xF4, 0xF4, 0xF4));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QRect AnchoredRect(const QRect& specified, TAnchor anchor, QSize growth) {
    const int dx = std::max(growth.width(), 0);
    const int dy = std::max(growth.height(), 0);
    switch (anchor) {
    case TAnchor::Right:
        return specified.translated(dx, 0);
    case TAnchor::BottomLeft:
        return specified.translated(0, dy);
    case TAnchor::Grow:
        return specified.adjusted(0, 0, dx, dy);
    }
    return specified;
}

TAnchoredArea::TAnchoredArea(QSize specified, QWidget* parent)
    : QWidget(parent), FSpecified(specified) {
    setMinimumSize(specified);
    resize(specified);
}

void TAnchoredArea::Anchor(QWidget* control, TAnchor anchor) {
    FControls.push_back({control, control->geometry(), anchor});
    LayOut();
}

void TAnchoredArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayOut();
}

void TAnchoredArea::LayOut() {
    const QSize growth = size() - FSpecified;
    for (const TAnchored& anchored : FControls) {
        if (!anchored.Control)
            continue;
        const QRect place = AnchoredRect(anchored.Specified, anchored.Anchor, growth);
        if (anchored.Anchor == TAnchor::Grow)
            anchored.Control->setGeometry(place);
        else
            anchored.Control->move(place.topLeft());
    }
}
