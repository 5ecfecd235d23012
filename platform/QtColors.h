// The editor's colours in Qt: plain 0x00BBGGRR values and the named system colours.
#pragma once

#include "editor/Graphics.h"

#include <QColor>
#include <QPalette>

// A system colour resolved to its plain value in palette; plain colours stay as they are.
TColor ResolveSystemColor(TColor c, const QPalette& palette);
// Resolves c; system colours come from palette, clNone and clDefault from fallback.
QColor ToQColor(TColor c, const QPalette& palette, QColor fallback = Qt::white);
