// The board window's pictures of the board: a port's eight LEDs and the 20 x 4 character LCD
// drawn as the HD44780's 5 x 8 dot matrices.
#pragma once

#include "board/Board.h"

#include <QWidget>

#include <array>
#include <cstdint>

// Eight LEDs, bit 7 on the left as on the port panel. A pin whose direction bit is 0 is an
// input: drawn as a ring, filled grey while its port bit (the pull-up) is set.
class TLedRow : public QWidget {
    Q_OBJECT

public:
    explicit TLedRow(QWidget* parent = nullptr);
    void SetPins(std::uint8_t port, std::uint8_t ddr);
    std::uint8_t Port() const { return FPort; }
    std::uint8_t Ddr() const { return FDdr; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    std::uint8_t FPort = 0;
    std::uint8_t FDdr = 0;
};

// The display's four visible lines, each character a 5 x 8 dot matrix.
class TLcdView : public QWidget {
    Q_OBJECT

public:
    explicit TLcdView(QWidget* parent = nullptr);
    void SetLcd(const TLcdState& lcd);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    TLcdState FLcd;
};
