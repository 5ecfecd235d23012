// The About window: its texts and picture laid out whole, the decoded picture, the links going to
// the shell, and its modal, always-on-top showing. Also the JPEG decoder on its own.
#include "windows/AboutWindow.h"
#include "windows/ClickLabel.h"
#include "windows/JpegImage.h"

#include "base/Errors.h"
#include "platform/GuardedApplication.h"
#include "support/Recorders.h"
#include "tests/support/Layout.h"
#include "tests/support/Modal.h"
#include "tests/support/SourceFile.h"

#include <QPushButton>
#include <QUrl>
#include <QtTest>

namespace {

// A shell whose every request fails the way a broken desktop setup can.
class FailingShell final : public Shell {
public:
    void OpenUrl(const QString&) override { throw ERuntimeError("no handler"); }
};

// Sample points of flat areas of data/about.jpg with the colours drawn there.
struct Sample {
    QPoint at;
    QColor drawn;
};
const Sample kSamples[] = {
    {{30, 150}, QColor(0x1F, 0x6E, 0x3B)},  // the board
    {{160, 62}, QColor(0xA9, 0xD2, 0x4B)},  // the LCD's screen
    {{22, 70}, QColor(0x1D, 0x2B, 0x4F)},   // the LCD's frame
    {{64, 110}, QColor(0x15, 0x15, 0x15)},  // the microcontroller
    {{1, 1}, QColor(0xEC, 0xE9, 0xD8)},     // outside the board
    {{250, 122}, QColor(0x2A, 0x2A, 0x2A)}, // the speaker
};

bool Near(QColor a, QColor b) {
    const int tolerance = 12; // JPEG is lossy
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance &&
           qAbs(a.blue() - b.blue()) <= tolerance;
}

void CheckPicture(const QImage& image) {
    QCOMPARE(image.size(), QSize(300, 191));
    for (const Sample& s : kSamples)
        QVERIFY2(Near(image.pixelColor(s.at), s.drawn),
                 qPrintable(QString("(%1,%2): %3, drawn %4")
                                .arg(s.at.x())
                                .arg(s.at.y())
                                .arg(image.pixelColor(s.at).name(), s.drawn.name())));
}

} // namespace

class AboutWindowTest : public QObject {
    Q_OBJECT

private slots:
    void DecodesThePicture() { CheckPicture(DecodeJpeg(SourceFile("data/about.jpg"))); }

    void BrokenDataIsTheRuntimesError_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("reason"); // part of libjpeg's own message
        QTest::newRow("empty") << QByteArray() << "Empty input";
        QTest::newRow("not a JPEG") << QByteArray("GIF89a....") << "Not a JPEG file";
        QTest::newRow("cut off in the header") << SourceFile("data/about.jpg").left(200) << "";
    }

    void BrokenDataIsTheRuntimesError() {
        QFETCH(QByteArray, data);
        QFETCH(QString, reason);
        try {
            DecodeJpeg(data);
            QFAIL("decoded");
        } catch (const ERuntimeError& e) {
            const QString text = QString::fromUtf8(e.what());
            QVERIFY2(text.startsWith("JPEG error: ") && text.size() > 20, qPrintable(text));
            QVERIFY2(text.contains(reason), qPrintable(text));
        }
    }

    void Layout() {
        RecordingShell shell;
        TAboutWindow form(shell);
        QCOMPARE(form.windowTitle(), QString("О програме"));
        QCOMPARE(form.size(), QSize(683, 192));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QVERIFY(form.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(form.windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(form.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(form.isModal());
        QVERIFY(form.findChildren<QPushButton*>().isEmpty());

        // The texts top to bottom, each whole, beside the picture at its own size.
        struct Expected {
            QLabel* label;
            QString text;
            int pixelSize;
        } labels[] = {
            {form.Label3, "TOVIX v. 2.01", 37},
            {form.Label2, "E-mail: tovix@example.com", 19},
            {form.Label4, "Web: https://example.org/tovix", 19},
        };
        for (const Expected& e : labels) {
            QCOMPARE(e.label->text(), e.text);
            QCOMPARE(e.label->font().pixelSize(), e.pixelSize);
            QVERIFY(e.label->font().bold());
        }
        QVERIFY(form.Label3->y() < form.Label2->y() && form.Label2->y() < form.Label4->y());
        QCOMPARE(form.Label3->font().family(), QString("OCR A Extended"));
        QCOMPARE(form.Label2->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(form.Label4->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(form.Label3->cursor().shape(), Qt::ArrowCursor);
        // The picture at its own size; its last column has always lain one pixel past the
        // window's right edge.
        CheckLayout({&form}, form.Image1);
        QCOMPARE(form.Image1->size(), form.Image1->pixmap().size());
        QVERIFY(form.rect().contains(form.Image1->geometry().adjusted(0, 0, -1, 0)));
        CheckPicture(form.Image1->pixmap().toImage());
    }

    void LinksGoToTheShell() {
        RecordingShell shell;
        TAboutWindow form(shell);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        QTest::mouseClick(form.Label2, Qt::LeftButton);
        QTest::mouseClick(form.Label4, Qt::LeftButton);
        // Neither the right button nor a release outside the label is a click.
        QTest::mouseClick(form.Label2, Qt::RightButton);
        QTest::mousePress(form.Label4, Qt::LeftButton);
        QTest::mouseRelease(form.Label4, Qt::LeftButton, {}, QPoint(-5, -5));
        QTest::mouseClick(form.Label3, Qt::LeftButton);

        QCOMPARE(shell.Urls,
                 (QStringList{"mailto:tovix@example.com", "https://example.org/tovix"}));
        // Our own addresses, on the domains reserved for examples.
        const QUrl mail(shell.Urls[0]), web(shell.Urls[1]);
        QVERIFY(mail.isValid() && web.isValid());
        QCOMPARE(mail.scheme(), QString("mailto"));
        QVERIFY(mail.path().endsWith("@example.com"));
        QCOMPARE(web.host(), QString("example.org"));
        QVERIFY(form.isVisible()); // the window stays open
    }

    void ShellFailureIsShownAndTheWindowCarriesOn() {
        RecordingErrorBox box;
        ScopedErrorBox scoped(box);
        FailingShell shell;
        TAboutWindow form(shell);
        form.show();
        QTest::mouseClick(form.Label4, Qt::LeftButton);
        QCOMPARE(box.Texts, QStringList{"no handler"});
        QVERIFY(form.isVisible());
    }

    void ShownModallyAboveTheMainWindow() {
        QPushButton mainWindow("main");
        int mainClicks = 0;
        connect(&mainWindow, &QPushButton::clicked, [&] { ++mainClicks; });
        mainWindow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));

        RecordingShell shell;
        TAboutWindow form(shell);
        QWidget* modal = nullptr;
        bool visible = false;
        OnNextModal<TAboutWindow>([&](TAboutWindow* shown) {
            modal = QApplication::activeModalWidget();
            visible = shown->isVisible();
            // The main window takes no input while the About window is open. The click goes to
            // the window, so that it takes the window system's road through the modality check.
            QTest::mouseClick(mainWindow.windowHandle(), Qt::LeftButton, {}, QPoint(10, 10));
            shown->close(); // the close box
        });
        form.ShowModal();
        QCOMPARE(modal, &form);
        QVERIFY(visible);
        QCOMPARE(mainClicks, 0);
        QVERIFY(!form.isVisible());

        // Once closed, the main window is usable again.
        QTest::mouseClick(mainWindow.windowHandle(), Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(mainClicks, 1);
    }
};

int main(int argc, char** argv) {
    GuardedApplication app(argc, argv);
    AboutWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "AboutWindowTest.moc"
