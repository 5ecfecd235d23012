// The port-data panel ("Panel1"): eight bit boxes, 7 on the left, and "Переместить в нижнюю
// команду", which makes them a hexadecimal operand for the insertion panel's data field.
#pragma once

#include <QFrame>

#include <array>

class QCheckBox;
class QLabel;

class TPortPanel : public QFrame {
    Q_OBJECT

public:
    explicit TPortPanel(QWidget* parent);

signals:
    // The button was pressed: the boxes as two hexadecimal digits.
    void ValueMade(const QString& digits);

private:
    void MakeValue();

    QLabel* FValueLabel;               // "0x" and the digits of the last value made
    std::array<QCheckBox*, 8> FBits{}; // bit 0 first
};
