// TCommandReference, the command reference window ("Описание комонд"): how commands are written,
// with examples.
#pragma once

#include "windows/TextWindow.h"

class TCommandReference : public TTextWindow {
    Q_OBJECT

public:
    explicit TCommandReference(QWidget* parent = nullptr);
};
