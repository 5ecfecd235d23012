// TForm4, the program help window ("Помощь по программе").
#pragma once

#include "windows/TextWindow.h"

class TForm4 : public TTextWindow {
    Q_OBJECT

public:
    explicit TForm4(QWidget* parent = nullptr);
};
