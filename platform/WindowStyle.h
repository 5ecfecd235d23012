// The look fixed in the window definitions: their fonts with the Linux stand-ins for the
// Windows families, dialog borders and placement at the centre of the desktop.
#pragma once

#include <QFont>
#include <QSize>
#include <QString>

class QWidget;

// A font of family at a character height in pixels. The Windows families the windows are
// defined with are followed by a metric-compatible stand-in ("MS Sans Serif" by Liberation
// Sans, "Courier New" by Liberation Mono, "OCR A Extended" by DejaVu Sans Mono), which fontconfig
// uses when the family itself is not installed.
QFont WindowFont(const QString& family, int pixelHeight, bool bold = false);

// Gives window a dialog border: fixed client size, title bar with a close box only.
void SetDialogBorder(QWidget& window, int clientWidth, int clientHeight);

// Places window at the centre of its screen's work area, wholly inside it where it fits and
// with its top left corner inside it where it does not.
void MoveToDesktopCentre(QWidget& window);

// The largest client size up to wanted that window's screen can show whole.
QSize FittingWindowSize(const QWidget& window, QSize wanted);

// Saves window's client rectangle (as it is when not maximised) and whether it is maximised in
// the workbench's settings, under group.
void SaveWindowPlace(const QWidget& window, const QString& group);
// Gives window, not shown yet, the place SaveWindowPlace saved under group: fitted on the screen
// that holds its centre (else the window's own screen), never smaller than the window's minimum
// size, and maximised again when it was. False, and the window is left alone, when nothing is
// saved.
bool RestoreWindowPlace(QWidget& window, const QString& group);

// Shows window in front. The first time (placed records it) it is placed beside its parent's
// window, title bars level and at least as tall: to its right where the screen has room, else
// to its left, else where it covers the least of the editor; always wholly on the parent's
// screen, shrunk to fit. Later it keeps the place the user gave it.
void ShowBesideParent(QWidget& window, bool& placed);
