// The editor's Surface over a QPainter: Windows-1251 runs drawn as glyph runs on a grid of the
// font's whole-pixel advance, faces resolved through fontconfig, system colours from the Qt
// palette.
#pragma once

#include "editor/Platform.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRawFont>

#include <array>
#include <memory>
#include <string>

class QPainter;

class QtSurface : public Surface {
public:
    explicit QtSurface(QPainter& painter);
    QtSurface(QPainter& painter, const QPalette& palette);

    void SetFont(const std::string& name, int height, TFontStyles style) override;
    bool FontIsFixedPitch() override;
    int TextWidth(std::string_view text) override;
    int TextHeight(std::string_view text) override;

    void FillRect(const TRect& r, TColor color) override;
    void DrawText(int x, int y, std::string_view text, TColor color, TColor bk) override;
    // Draws both end points.
    void Line(int x1, int y1, int x2, int y2, TColor color) override;
    void Rectangle(const TRect& r, TColor pen, TColor brush) override;
    void Ellipse(const TRect& r, TColor pen, TColor brush) override;
    void Polygon(const std::vector<TPoint>& points, TColor pen, TColor brush) override;
    void WavyLine(int x1, int x2, int y, TColor color) override;

    TColor ResolveColor(TColor color) override;
    void BeginImage(const TRect& rect) override;
    void EndImage() override;

    QColor ToQColor(TColor color);
    // The face the current font was resolved to.
    QString FontFamily() const;

    // A resolved font: its glyph of every byte and its whole-pixel metrics.
    struct Face {
        QFont Font;
        QRawFont Raw;
        std::array<quint32, 256> Glyphs{};
        std::array<int, 256> Advances{};
        int Ascent = 0;
        int Height = 0;
        // Rows of the underline and the strike-out within the cell; -1 when the style has none.
        int UnderlineRow = -1;
        int StrikeOutRow = -1;
        bool FixedPitch = false;
    };

private:
    void PrepareShape(TColor pen, TColor brush);

    QPainter& FPainter;
    QPalette FPalette;
    const Face* FFace = nullptr;
};
