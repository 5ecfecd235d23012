// QtSurface: fonts, text runs and shapes on a QPainter.
#include "platform/QtSurface.h"

#include "platform/QtColors.h"

#include "base/Cp1251.h"
#include "editor/style/CharCase.h"
#include "platform/FontMatch.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <map>
#include <tuple>

namespace {

using FaceKey = std::tuple<std::string, int, TFontStyles>;

std::unique_ptr<QtSurface::Face> MakeFace(const std::string& name, int height, TFontStyles style) {
    auto face = std::make_unique<QtSurface::Face>();
    QFont font(ResolveFontFamily(name));
    // The platform's negative heights are character heights in pixels; positive ones are cell
    // heights, which the pixel size approximates as well.
    font.setPixelSize(std::max(1, height < 0 ? -height : height));
    font.setBold(style & fsBold);
    font.setItalic(style & fsItalic);
    font.setStyleStrategy(QFont::NoFontMerging);
    face->Font = font;
    face->Raw = QRawFont::fromFont(font);
    QFontMetrics metrics(font);
    face->Ascent = metrics.ascent();
    face->Height = metrics.height();
    // Kept inside the cell, where the run's background is and the next row cannot cover them.
    const auto inCell = [&](int row) { return std::clamp(row, 0, face->Height - 1); };
    if (style & fsUnderline)
        face->UnderlineRow = inCell(face->Ascent + std::max(1, metrics.underlinePos()));
    if (style & fsStrikeOut)
        face->StrikeOutRow = inCell(face->Ascent - metrics.strikeOutPos());
    for (int b = 0; b < 256; ++b) {
        QString ch(QChar(static_cast<char16_t>(Cp1251CodePoint(static_cast<unsigned char>(b)))));
        QList<quint32> glyphs = face->Raw.glyphIndexesForString(ch);
        face->Glyphs[static_cast<std::size_t>(b)] = glyphs.isEmpty() ? 0 : glyphs.front();
        face->Advances[static_cast<std::size_t>(b)] = metrics.horizontalAdvance(ch);
    }
    // Some monospace faces do not declare their spacing; equal advances tell as well.
    bool equalAdvances = true;
    for (int b = 0x21; b < 0x7F; ++b)
        equalAdvances =
            equalAdvances && face->Advances[static_cast<std::size_t>(b)] == face->Advances[0x20];
    face->FixedPitch = QFontInfo(font).fixedPitch() || equalAdvances;
    return face;
}

// Faces live as long as the application: resolving one costs a fontconfig match and 256 glyph
// look-ups. They go before the application object does, with its other font resources.
std::map<FaceKey, std::unique_ptr<QtSurface::Face>> Faces;

void ForgetFaces() {
    Faces.clear();
}

const QtSurface::Face& FaceFor(const std::string& name, int height, TFontStyles style) {
    if (Faces.empty())
        qAddPostRoutine(ForgetFaces);
    FaceKey key{AnsiLowerCase(name), height, style};
    auto it = Faces.find(key);
    if (it == Faces.end())
        it = Faces.emplace(key, MakeFace(name, height, style)).first;
    return *it->second;
}

} // namespace

QtSurface::QtSurface(QPainter& painter) : QtSurface(painter, QGuiApplication::palette()) {}

QtSurface::QtSurface(QPainter& painter, const QPalette& palette)
    : FPainter(painter), FPalette(palette) {
    FPainter.setRenderHint(QPainter::Antialiasing, false);
}

TColor QtSurface::ResolveColor(TColor color) {
    return ResolveSystemColor(color, FPalette);
}

QColor QtSurface::ToQColor(TColor color) {
    return ::ToQColor(color, FPalette, QColor(0, 0, 0));
}

void QtSurface::SetFont(const std::string& name, int height, TFontStyles style) {
    FFace = &FaceFor(name, height, style);
}

QString QtSurface::FontFamily() const {
    return FFace ? QFontInfo(FFace->Font).family() : QString();
}

bool QtSurface::FontIsFixedPitch() {
    return FFace && FFace->FixedPitch;
}

int QtSurface::TextWidth(std::string_view text) {
    if (!FFace)
        return 0;
    int width = 0;
    for (char c : text)
        width += FFace->Advances[static_cast<unsigned char>(c)];
    return width;
}

int QtSurface::TextHeight(std::string_view) {
    return FFace ? FFace->Height : 0;
}

void QtSurface::FillRect(const TRect& r, TColor color) {
    if (color == clNone || r.IsEmpty())
        return;
    FPainter.fillRect(QRect(r.Left, r.Top, r.Width(), r.Height()), ToQColor(color));
}

void QtSurface::DrawText(int x, int y, std::string_view text, TColor color, TColor bk) {
    if (!FFace || text.empty())
        return;
    int width = TextWidth(text);
    if (bk != clNone)
        FPainter.fillRect(QRect(x, y, width, FFace->Height), ToQColor(bk));

    QList<quint32> glyphs;
    QList<QPointF> positions;
    glyphs.reserve(static_cast<qsizetype>(text.size()));
    positions.reserve(static_cast<qsizetype>(text.size()));
    int penX = x;
    const qreal baseline = y + FFace->Ascent;
    for (char c : text) {
        auto b = static_cast<unsigned char>(c);
        glyphs.push_back(FFace->Glyphs[b]);
        positions.push_back(QPointF(penX, baseline));
        penX += FFace->Advances[b];
    }
    QGlyphRun run;
    run.setRawFont(FFace->Raw);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    const QColor textColor = ToQColor(color);
    FPainter.setPen(textColor);
    FPainter.drawGlyphRun(QPointF(0, 0), run);
    // Qt moves a glyph run's own underline and strike-out by the painter's translation twice,
    // off the row being painted.
    if (FFace->UnderlineRow >= 0)
        FPainter.fillRect(QRect(x, y + FFace->UnderlineRow, width, 1), textColor);
    if (FFace->StrikeOutRow >= 0)
        FPainter.fillRect(QRect(x, y + FFace->StrikeOutRow, width, 1), textColor);
}

void QtSurface::Line(int x1, int y1, int x2, int y2, TColor color) {
    FPainter.setPen(QPen(ToQColor(color), 0));
    FPainter.drawLine(x1, y1, x2, y2);
}

void QtSurface::PrepareShape(TColor pen, TColor brush) {
    FPainter.setPen(pen == clNone ? QPen(Qt::NoPen) : QPen(ToQColor(pen), 0));
    FPainter.setBrush(brush == clNone ? QBrush(Qt::NoBrush) : QBrush(ToQColor(brush)));
}

// Outlined shapes: QPainter's outline of QRect(l, t, w - 1, h - 1) covers l .. r - 1.
void QtSurface::Rectangle(const TRect& r, TColor pen, TColor brush) {
    PrepareShape(pen, brush);
    FPainter.drawRect(QRect(r.Left, r.Top, r.Width() - 1, r.Height() - 1));
}

void QtSurface::Ellipse(const TRect& r, TColor pen, TColor brush) {
    PrepareShape(pen, brush);
    FPainter.drawEllipse(QRect(r.Left, r.Top, r.Width() - 1, r.Height() - 1));
}

void QtSurface::Polygon(const std::vector<TPoint>& points, TColor pen, TColor brush) {
    PrepareShape(pen, brush);
    QPolygon polygon;
    for (TPoint p : points)
        polygon << QPoint(p.X, p.Y);
    FPainter.drawPolygon(polygon);
}

void QtSurface::WavyLine(int x1, int x2, int y, TColor color) {
    if (x2 <= x1)
        return;
    // Column x lies on row y + 0, 1, 2, 1, 0, ... as (x - x1) counts up: straight strokes
    // between the crests and troughs give exactly that.
    auto row = [&](int x) {
        int phase = (x - x1) % 4;
        return y + (phase <= 2 ? phase : 4 - phase);
    };
    QPolygon wave;
    for (int x = x1; x < x2 - 1; x += 2)
        wave << QPoint(x, row(x));
    wave << QPoint(x2 - 1, row(x2 - 1));
    FPainter.save();
    FPainter.setRenderHint(QPainter::Antialiasing, false);
    FPainter.setPen(QPen(ToQColor(color), 0));
    if (wave.size() == 1)
        FPainter.drawPoint(wave.front());
    else
        FPainter.drawPolyline(wave);
    FPainter.restore();
}

void QtSurface::BeginImage(const TRect& rect) {
    FPainter.save();
    FPainter.setClipRect(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()),
                         Qt::IntersectClip);
    FPainter.translate(rect.Left, rect.Top);
}

void QtSurface::EndImage() {
    FPainter.restore();
}
