// TForm3, the command reference window ("Описание комонд"): how commands are written, with
// examples.
#pragma once

#include "windows/TextWindow.h"

class TForm3 : public TTextWindow {
    Q_OBJECT

public:
    explicit TForm3(QWidget* parent = nullptr);
};
