// The Qt surface: the editor painted into a QImage, checked pixel by pixel.
#include "app/tools/RenderSetup.h"
#include "editor/CodeMemo.h"
#include "editor/style/CodePasStyler.h"
#include "editor/view/Gutter.h"
#include "platform/FontMatch.h"
#include "platform/ImageHost.h"
#include "platform/QtSurface.h"
#include "workbench/WorkbenchDisplay.h"

#include <QPainter>
#include <QtTest>

namespace {

QColor Rgb(TColor c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

struct Editor : RenderedEditor {
    explicit Editor(const std::vector<std::string>& lines) { SetLines(lines); }
};

// Pixels of image inside r that have exactly colour c.
int Count(const QImage& image, QRect r, QColor c) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (image.pixelColor(x, y) == c)
                ++n;
    return n;
}

// Pixels inside r within tolerance of colour c in every channel (text edges are blended).
int Near(const QImage& image, QRect r, QColor c, int tolerance = 60) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            QColor p = image.pixelColor(x, y);
            if (std::abs(p.red() - c.red()) <= tolerance &&
                std::abs(p.green() - c.green()) <= tolerance &&
                std::abs(p.blue() - c.blue()) <= tolerance)
                ++n;
        }
    return n;
}

// Pixels inside r dark enough to belong to black text.
int Dark(const QImage& image, QRect r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (qGray(image.pixel(x, y)) < 110)
                ++n;
    return n;
}

// The first row of r, counted from r's top, that is solid colour c from edge to edge; -1 when
// there is none.
int SolidRow(const QImage& image, QRect r, QColor c) {
    for (int y = r.top(); y <= r.bottom(); ++y)
        if (Count(image, QRect(r.left(), y, r.width(), 1), c) == r.width())
            return y - r.top();
    return -1;
}

} // namespace

class SurfaceTest : public QObject {
    Q_OBJECT

private slots:
    void editorFontIsAMetricCompatibleMonospaceFace() {
        QCOMPARE(ResolveFontFamily("COURIER NEW"), QString("Liberation Mono"));
        Editor ed({"nop"});
        ed.Paint();
        QCOMPARE(ed.Memo.CharWidth(), 8);
        QVERIFY(ed.Memo.LineHeight() >= 14 && ed.Memo.LineHeight() <= 18);
        QCOMPARE(ed.Memo.Font().Name, std::string("COURIER NEW"));

        QImage image(10, 10, QImage::Format_RGB32);
        QPainter painter(&image);
        QtSurface surface(painter);
        surface.SetFont("FixedSys", -13, 0);
        QVERIFY(surface.FontIsFixedPitch());
        QCOMPARE(surface.TextWidth("W"), surface.TextWidth("i"));
        surface.SetFont("COURIER NEW", -13, fsBold | fsItalic);
        QCOMPARE(surface.TextWidth("Wi"), 16);
    }

    void runsAreColouredOnTheCellGrid() {
        Editor ed({"goto_0010", "{ wait }", "10xpause_05"});
        QImage image = ed.Paint();
        const int lh = ed.Memo.LineHeight();
        auto cell = [&](int row, int col, int n) {
            return QRect(63 + col * 8, 2 + row * lh, n * 8, lh);
        };
        QVERIFY(Near(image, cell(0, 0, 4), Rgb(clGreen)) > 10); // goto
        QCOMPARE(Near(image, cell(0, 0, 4), Rgb(clRed)), 0);
        QVERIFY(Near(image, cell(0, 4, 1), Rgb(clRed), 110) > 3); // _ (a thin, blended line)
        QVERIFY(Dark(image, cell(0, 5, 4)) > 10);                 // 0010 in black
        QCOMPARE(Near(image, cell(0, 5, 4), Rgb(clGreen)), 0);
        QVERIFY(Near(image, cell(1, 0, 8), Rgb(clNavy)) > 5);   // comment
        QVERIFY(Near(image, cell(2, 2, 1), Rgb(clGreen)) > 3);  // x
        QVERIFY(Near(image, cell(2, 3, 5), Rgb(clGreen)) > 10); // pause
        QCOMPARE(image.pixelColor(300, 2 + lh / 2), QColor(Qt::white));
    }

    void linksAreUnderlinedAndStrikeOutCrossesTheRun() {
        Editor ed({"http://x.org/a www.y.com", "abc def"});
        QImage image = ed.Paint();
        const int lh = ed.Memo.LineHeight();
        const struct {
            const char* what;
            int row, col, n;
            QColor colour;
            bool underlined;
        } cases[] = {
            {"http URL", 0, 0, 14, Rgb(clBlue), true},
            {"www URL", 0, 15, 9, Rgb(clBlue), true},
            {"plain words", 1, 0, 7, QColor(Qt::black), false},
        };
        for (const auto& c : cases) {
            const int line =
                SolidRow(image, QRect(63 + c.col * 8, 2 + c.row * lh, c.n * 8, lh), c.colour);
            QVERIFY2(c.underlined ? line > lh / 2 : line < 0, c.what);
        }

        // Straight on the surface, in a row placed as the editor places them.
        QImage struck(24, 60, QImage::Format_RGB32);
        QPainter painter(&struck);
        QtSurface surface(painter);
        surface.SetFont("COURIER NEW", -13, fsStrikeOut);
        const int h = surface.TextHeight("abc");
        surface.BeginImage(TRect{0, 20, 24, 20 + h});
        surface.DrawText(0, 0, "abc", clBlack, clWhite);
        surface.EndImage();
        painter.end();
        const int line = SolidRow(struck, QRect(0, 20, 24, h), Qt::black);
        QVERIFY(line > h / 4 && line < h * 3 / 4);
    }

    void compileMarkedRowIsLavenderAndSelectionOnItIsInverse() {
        Editor ed({"nop", "goto_0010", "stop"});
        ed.Memo.SetBreakpoint(1, true);
        QImage plain = ed.Paint();
        const int lh = ed.Memo.LineHeight();
        const QColor lavender = Rgb(0xFFBBCC);
        for (int x : {63 + 9 * 8 + 1, 200, 400, 423})
            QCOMPARE(plain.pixelColor(x, 2 + lh + 3), lavender);
        QCOMPARE(plain.pixelColor(200, 2 + 3), QColor(Qt::white));

        ed.Memo.SetSelectionBounds(0, 1, 4, 1);
        QImage selected = ed.Paint();
        QRect word(63, 2 + lh, 32, lh - 1);
        QVERIFY(Count(selected, word, QColor(Qt::black)) > 100); // black background
        QVERIFY(Count(selected, word, lavender) > 5);            // lavender letters
        QCOMPARE(Count(selected, word, Rgb(clNavy)), 0);
    }

    void compiledLineDiscAndGradientGutter() {
        Editor ed({"nop", "goto_0010"});
        ed.Memo.SetBreakpoint(1, true);
        QImage image = ed.Paint();
        const int y = 1 + ed.Memo.LineHeight(); // gutter row of line 1
        QCOMPARE(image.pixelColor(8, y + 9), QColor(Qt::red));
        QCOMPARE(image.pixelColor(3, y + 9), QColor(Qt::black));
        QCOMPARE(image.pixelColor(12, y + 9), QColor(Qt::black));
        QVERIFY(image.pixelColor(2, y + 9) != QColor(Qt::black));
        QVERIFY(image.pixelColor(13, y + 9) != QColor(Qt::black));
        QCOMPARE(image.pixelColor(8, y + 4), QColor(Qt::black));
        QVERIFY(image.pixelColor(8, y + 14) != QColor(Qt::black));
        QCOMPARE(Count(image, QRect(0, 1, 16, y - 1), QColor(Qt::red)), 0);

        QColor face = QGuiApplication::palette().color(QPalette::Button);
        TColor faceColor = static_cast<TColor>(face.red() | face.green() << 8 | face.blue() << 16);
        QCOMPARE(image.pixelColor(1, 300), face);
        QCOMPARE(image.pixelColor(31, 300), Rgb(GradientBandColor(faceColor, clWhite, 24)));
        QCOMPARE(image.pixelColor(59, 300), Rgb(GradientBandColor(faceColor, clWhite, 47)));
        QCOMPARE(image.pixelColor(60, 300), Rgb(clGray));
        QCOMPARE(image.pixelColor(0, 300), Rgb(clGray));
    }

    void lineNumbersStandRightAligned() {
        std::vector<std::string> lines(30, "nop");
        Editor ed(lines);
        QImage image = ed.Paint();
        const int lh = ed.Memo.LineHeight();
        auto digits = [&](int row, int from, int to) {
            return Dark(image, QRect(from, 1 + row * lh, to - from, lh - 1));
        };
        QVERIFY(digits(0, 39, 47) > 5); // "1"
        QCOMPARE(digits(0, 14, 39), 0);
        QVERIFY(digits(9, 31, 39) > 5); // "10": first digit
        QVERIFY(digits(9, 39, 47) > 5);
        QCOMPARE(digits(9, 14, 31), 0);

        ed.Memo.Lines().Clear();
        QImage empty = ed.Paint();
        QVERIFY(Dark(empty, QRect(39, 1, 8, lh - 1)) > 5);
        QCOMPARE(Dark(empty, QRect(14, 1 + lh, 44, 300)), 0);
    }

    void cyrillicTextIsDecodedFromWindows1251() {
        Editor ed({"// \xCF\xF0\xE8\xE2\xE5\xF2"}); // "Привет"
        QImage image = ed.Paint();
        const int lh = ed.Memo.LineHeight();
        for (int col = 3; col < 9; ++col)
            QVERIFY2(Near(image, QRect(63 + col * 8, 2, 8, lh), Rgb(clNavy)) > 2,
                     qPrintable(QString("cell %1").arg(col)));
    }

    void systemColoursComeFromThePalette() {
        QPalette palette;
        palette.setColor(QPalette::Button, QColor(0x12, 0x34, 0x56));
        palette.setColor(QPalette::ToolTipBase, QColor(0xAB, 0xCD, 0xEF));
        QImage image(4, 4, QImage::Format_RGB32);
        QPainter painter(&image);
        QtSurface surface(painter, palette);
        QCOMPARE(surface.ResolveColor(clBtnFace), TColor(0x563412));
        QCOMPARE(surface.ResolveColor(clInfoBk), TColor(0xEFCDAB));
        QCOMPARE(surface.ResolveColor(0x00ABCDEF), TColor(0x00ABCDEF));
        surface.FillRect(TRect{0, 0, 2, 2}, clBtnFace);
        painter.end();
        QCOMPARE(image.pixelColor(1, 1), QColor(0x12, 0x34, 0x56));
    }
};

QTEST_MAIN(SurfaceTest)
#include "SurfaceTest.moc"
