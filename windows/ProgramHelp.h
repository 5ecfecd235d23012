// TProgramHelp, the program help window ("Помощь по программе").
#pragma once

#include "windows/TextWindow.h"

class TProgramHelp : public TTextWindow {
    Q_OBJECT

public:
    explicit TProgramHelp(QWidget* parent = nullptr);
};
