// Placing the controls of the main window as its definition gives them: a name, a place and
// size in the parent's client area, and a font of the window family.
#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>

class QFrame;
class QLabel;
class QWidget;

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
