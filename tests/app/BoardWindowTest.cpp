// Program > "Модель платы": steps light the LEDs and follow the program in the editor, stop
// points and До курсора pause the run, an edit ends it, a faulty program does not start, and a
// loop without pauses leaves the window responsive.
#include "tests/app/Workbench.h"
#include "tests/support/TempDir.h"

#include "app/board/BoardWidgets.h"
#include "app/board/BoardWindow.h"

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>

namespace {

struct Board {
    Workbench w;
    TBoardWindow* window = nullptr;

    bool Open(const std::string& path) {
        if (!w.Show())
            return false;
        w.Open(path);
        QTest::keyClick(Child<TCodeMemoWidget>(w.Main, "Memo1"), Qt::Key_F9, Qt::ControlModifier);
        window = w.Main.BoardWindow();
        return window && window->isVisible();
    }
    // A key pressed in the editor: the board window's keys work there too.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        w.Main.activateWindow();
        QTest::keyClick(Child<TCodeMemoWidget>(w.Main, "Memo1"), key, modifiers);
    }
    void CaretTo(int line) {
        w.Main.Editor().SetCurY(line);
        w.Main.Editor().SetCurX(0);
    }
    QString Status() const { return window->StatusLabel()->text(); }
    int PortD() const { return window->PortDLeds()->Port(); }
    int ActiveLine() { return w.Main.Editor().ActiveLine(); }
};

} // namespace

class BoardWindowTest : public QObject {
    Q_OBJECT

private slots:
    void StepsStopPointsRunToCursorAndEdits() {
        TempDir dir;
        WriteBytes(dir.File("p.tovix"), "configd_FF\r\n"
                                        "portdwrite_01\r\n"
                                        "// two\r\n"
                                        "portdwrite_02\r\n"
                                        "portdwrite_03\r\n"
                                        "stop\r\n");
        Board b;
        QVERIFY(b.Open(dir.File("p.tovix")));
        QCOMPARE(b.ActiveLine(), -1);

        b.Key(Qt::Key_F8);
        b.Key(Qt::Key_F8);
        QCOMPARE(b.PortD(), 0x01);
        QCOMPARE(b.window->PortDLeds()->Ddr(), 0xFF);
        QCOMPARE(b.Status(), "пауза: шаг");
        QCOMPARE(b.ActiveLine(), 3);

        // A stop point on line 5: the run pauses before its command.
        b.CaretTo(4);
        b.Key(Qt::Key_B, Qt::ControlModifier);
        QVERIFY(b.w.Main.Editor().MarkerList().HasMarker(4));
        b.Key(Qt::Key_F5);
        QTRY_COMPARE(b.Status(), "пауза: точка остановки");
        QCOMPARE(b.PortD(), 0x02);
        QCOMPARE(b.ActiveLine(), 4);
        b.Key(Qt::Key_F5);
        QTRY_COMPARE(b.Status(), "остановлено: stop");
        QCOMPARE(b.PortD(), 0x03);
        QCOMPARE(b.ActiveLine(), -1);

        // До курсора from a comment line: a new run pauses before the next command.
        b.CaretTo(2);
        b.Key(Qt::Key_F4);
        QTRY_COMPARE(b.Status(), "пауза: до курсора");
        QCOMPARE(b.PortD(), 0x01);
        QCOMPARE(b.ActiveLine(), 3);

        // An edit ends the run, and a faulty operand keeps the next from starting; its message
        // takes the caret to the line.
        b.CaretTo(1);
        b.w.Main.Editor().SetCurX(13);
        QTest::keyClick(Child<TCodeMemoWidget>(b.w.Main, "Memo1"), Qt::Key_Backspace);
        QTest::keyClick(Child<TCodeMemoWidget>(b.w.Main, "Memo1"), 'x');
        QCOMPARE(b.Status(), "остановлено: текст изменён");
        QCOMPARE(b.ActiveLine(), -1);
        b.Key(Qt::Key_F5);
        QCOMPARE(b.Status(), "не запущено: ошибки в программе");
        QListWidget* messages = b.window->Messages();
        QCOMPARE(messages->count(), 1);
        QCOMPARE(messages->item(0)->text(),
                 "Строка 2: portdwrite_0x — неверные данные команды portdwrite: нужны две "
                 "шестнадцатеричные цифры, найдено «0x»");
        b.CaretTo(5);
        QTest::mouseClick(messages->viewport(), Qt::LeftButton, {},
                          messages->visualItemRect(messages->item(0)).center());
        QCOMPARE(b.w.Main.Editor().CurY(), 1);
        QCOMPARE(b.w.Errors.Texts, QStringList());
    }

    // A paced run sleeps through a pause and a tone and pauses before the stop points after
    // them. The pacing at every speed is the board session's, tested without the window.
    void PacedRunPausesAfterAPauseAndATone() {
        TempDir dir;
        WriteBytes(dir.File("p.tovix"), "configd_FF\r\n"
                                        "pause_05\r\n"
                                        "portdwrite_01\r\n"
                                        "sound_02_10\r\n"
                                        "portdwrite_02\r\n"
                                        "stop\r\n");
        Board b;
        QVERIFY(b.Open(dir.File("p.tovix")));
        for (int line : {2, 4}) {
            b.CaretTo(line);
            b.Key(Qt::Key_B, Qt::ControlModifier);
        }
        for (int line : {2, 4}) {
            b.Key(Qt::Key_F5);
            QTRY_COMPARE(b.Status(), "пауза: точка остановки");
            QCOMPARE(b.ActiveLine(), line);
        }

        // Closing the program leaves nothing of it in the window, which does nothing until a
        // program is open again.
        b.Key(Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(b.Status(), "не запущено");
        QCOMPARE(b.window->Runner().Board().Steps(), std::uint64_t{0});
        QCOMPARE(b.window->Messages()->count(), 0);
        QVERIFY(!b.window->RunButton->isEnabled());
        b.Key(Qt::Key_F5);
        QCOMPARE(b.Status(), "не запущено");
        b.w.Open(dir.File("p.tovix"));
        QVERIFY(b.window->RunButton->isEnabled());
        b.Key(Qt::Key_F8);
        QCOMPARE(b.Status(), "пауза: шаг");
    }

    // A goto_0000 loop without pauses at every speed: the events keep flowing while it runs.
    void LoopWithoutPausesStaysResponsive() {
        TempDir dir;
        WriteBytes(dir.File("loop.tovix"), "incd\r\ngoto_0000\r\n");
        Board b;
        QVERIFY(b.Open(dir.File("loop.tovix")));
        for (int speed = 0; speed < 3; ++speed) {
            b.window->SpeedBox->setCurrentIndex(speed);
            b.Key(Qt::Key_F2, Qt::ControlModifier);
            b.Key(Qt::Key_F5);
            QCOMPARE(b.Status(), "работает");
            int ticks = 0;
            QTimer clock;
            QObject::connect(&clock, &QTimer::timeout, [&ticks] { ++ticks; });
            clock.start(10);
            QTRY_VERIFY(ticks >= 10 && b.window->Runner().Board().Steps() > 100);
            b.Key(Qt::Key_F5);
            QCOMPARE(b.Status(), "пауза");
        }
        // Closing the window ends the run and takes the arrow out of the editor.
        QVERIFY(b.ActiveLine() >= 0);
        b.window->close();
        QCOMPARE(b.Status(), "остановлено");
        QCOMPARE(b.ActiveLine(), -1);
    }
};

QTEST_MAIN(BoardWindowTest)
#include "BoardWindowTest.moc"
