// Placing the controls of the main window as its definition gives them: a name, a place and
// size in the parent's client area, and a font of the window family.
#pragma once

#include <QColor>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

#include <vector>

class QFrame;
class QLabel;

inline const QString kWindowFontFamily = QStringLiteral("MS Sans Serif");

// A label at its place, as large as its text (labels size themselves to their text).
QLabel* PlaceLabel(QWidget* parent, const char* name, const QString& text, QPoint at,
                   int pixelHeight, bool bold);

// Names widget and gives it its place and size.
void Place(QWidget* widget, const char* name, const QRect& geometry);

// Makes panel a raised one filled with colour.
void StylePanel(QFrame& panel, const QColor& colour);

// Fills widget's background with colour, and fixes the colours of the text and the fields
// drawn over it whatever the desktop's palette.
void SetBackground(QWidget* widget, const QColor& colour);

// How a control follows a client area that has grown past its specified size.
enum class TAnchor {
    Right,      // keeps its size and its distance from the right edge
    BottomLeft, // keeps its size and its distance from the left and bottom edges
    Grow,       // keeps its distance from every edge: takes all the new room
};

// The rectangle of a control placed at specified in a client area of the specified size, once
// the area has grown by growth. An area never lays out below its specified size, so a growth
// below zero counts as none.
QRect AnchoredRect(const QRect& specified, TAnchor anchor, QSize growth);

// A client area of a specified size that may grow: each anchored control follows it, and at the
// specified size (its minimum) every control is at its specified place.
class TAnchoredArea : public QWidget {
public:
    TAnchoredArea(QSize specified, QWidget* parent);

    // control, a child placed at its specified place, follows the area by anchor from now on.
    // Only a growing control is resized; the others keep the size they give themselves.
    void Anchor(QWidget* control, TAnchor anchor);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void LayOut();

    struct TAnchored {
        QPointer<QWidget> Control;
        QRect Specified;
        TAnchor Anchor;
    };
    QSize FSpecified;
    std::vector<TAnchored> FControls;
};
