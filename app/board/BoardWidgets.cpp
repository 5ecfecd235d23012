// LEDs and the LCD. The LCD draws the ROM's own dots for its ASCII half; the other characters
// (katakana, Greek, symbols) are drawn large once per code and sampled on the 5 x 8 grid.
#include "app/board/BoardWidgets.h"

#include "board/CharacterRom.h"
#include "board/LcdFont.h"

#include <QFont>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>

namespace {

constexpr int kLed = 18;      // LED diameter
constexpr int kLedStep = 26;  // from one LED to the next
constexpr int kDot = 3;       // LCD dot size
constexpr int kDotStep = 4;   // from one dot to the next
constexpr int kCellGap = 3;   // between two characters
constexpr int kLcdMargin = 8; // round the glass
constexpr int kSample = 12;   // pixels per dot when a character is sampled

const QColor kLedOn(0xE0, 0x20, 0x20);
const QColor kLedOff(0x50, 0x10, 0x10);
const QColor kGlass(0x9C, 0xC8, 0x3C);
const QColor kDotOn(0x1C, 0x2C, 0x10);
const QColor kDotOff(0x90, 0xBA, 0x38);

using TGlyph = TLcdGlyph;

TGlyph SampleGlyph(std::uint8_t code) {
    if (std::optional<TLcdGlyph> dots = LcdGlyph(code))
        return *dots;
    TGlyph glyph{};
    char32_t ch = LcdCharacter(code);
    if (ch == U' ' || ch == 0)
        return glyph;
    // Rows 0-6 hold the character; row 7 is the cursor's.
    QImage image(5 * kSample, 8 * kSample, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPixelSize(9 * kSample);
        font.setStyleStrategy(QFont::NoAntialias);
        painter.setFont(font);
        painter.setPen(Qt::black);
        QRect box(0, 0, 5 * kSample, 7 * kSample);
        painter.drawText(box, Qt::AlignCenter, QString::fromUcs4(&ch, 1));
    }
    for (int row = 0; row < 8; ++row)
        for (int col = 0; col < 5; ++col) {
            // The ink in the middle of the dot's square decides, so that thin strokes between
            // two dots light one of them, not both.
            int ink = 0;
            const int from = kSample / 4, to = kSample - kSample / 4;
            for (int y = from; y < to; ++y) {
                const uchar* line = image.constScanLine(row * kSample + y);
                for (int x = from; x < to; ++x)
                    ink += line[col * kSample + x] < 128;
            }
            if (ink * 100 >= 25 * (to - from) * (to - from))
                glyph[static_cast<std::size_t>(row)] |= static_cast<std::uint8_t>(0x10 >> col);
        }
    return glyph;
}

const TGlyph& Glyph(std::uint8_t code) {
    static std::array<TGlyph, 256> glyphs;
    static std::array<bool, 256> made{};
    if (!made[code]) {
        glyphs[code] = SampleGlyph(code);
        made[code] = true;
    }
    return glyphs[code];
}

} // namespace

TLedRow::TLedRow(QWidget* parent) : QWidget(parent) {
    setMinimumSize(sizeHint());
}

QSize TLedRow::sizeHint() const {
    return {8 * kLedStep, kLed + 16};
}

void TLedRow::SetPins(std::uint8_t port, std::uint8_t ddr) {
    if (port == FPort && ddr == FDdr)
        return;
    FPort = port;
    FDdr = ddr;
    update();
}

void TLedRow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    painter.setFont(small);
    for (int i = 0; i < 8; ++i) {
        int bit = 7 - i;
        QRect led(i * kLedStep + 4, 14, kLed, kLed);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QRect(led.left(), 0, kLed, 14), Qt::AlignCenter, QString::number(bit));
        bool set = FPort & (1 << bit);
        if (FDdr & (1 << bit)) {
            painter.setPen(QPen(Qt::black, 1));
            painter.setBrush(set ? kLedOn : kLedOff);
        } else {
            painter.setPen(QPen(Qt::gray, 2));
            painter.setBrush(set ? QColor(Qt::lightGray) : QColor(Qt::transparent));
        }
        painter.drawEllipse(led);
    }
}

TLcdView::TLcdView(QWidget* parent) : QWidget(parent) {
    FLcd.Ddram.fill(kBoard.LcdBlank);
    setMinimumSize(sizeHint());
}

QSize TLcdView::sizeHint() const {
    int cellWidth = 5 * kDotStep + kCellGap;
    int cellHeight = 8 * kDotStep + kCellGap;
    return {2 * kLcdMargin + kBoard.LcdColumns * cellWidth,
            2 * kLcdMargin + kBoard.LcdRows * cellHeight};
}

void TLcdView::SetLcd(const TLcdState& lcd) {
    if (lcd == FLcd)
        return;
    FLcd = lcd;
    update();
}

void TLcdView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kGlass);
    int cellWidth = 5 * kDotStep + kCellGap;
    int cellHeight = 8 * kDotStep + kCellGap;
    for (int row = 0; row < kBoard.LcdRows; ++row)
        for (int column = 0; column < kBoard.LcdColumns; ++column) {
            const TGlyph& glyph = Glyph(FLcd.Visible(row, column));
            int x0 = kLcdMargin + column * cellWidth;
            int y0 = kLcdMargin + row * cellHeight;
            for (int y = 0; y < 8; ++y)
                for (int x = 0; x < 5; ++x) {
                    bool on = glyph[static_cast<std::size_t>(y)] & (0x10 >> x);
                    painter.fillRect(x0 + x * kDotStep, y0 + y * kDotStep, kDot, kDot,
                                     on ? kDotOn : kDotOff);
                }
        }
}
