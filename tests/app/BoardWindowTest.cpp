// Program > "Модель платы" as a user drives it, from the editor's keys.
#include "tests/app/Workbench.h"
#include "tests/support/TempDir.h"

#include "app/board/BoardWidgets.h"
#include "app/board/BoardWindow.h"
#include "app/board/TimelineView.h"

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
    // The run's rules are the session's table tests; this is the user's one flow through the
    // window: steps light the LEDs, stop points and До курсора after a pause and a tone pause a
    // run at every speed, another program empties the window, an edit ends the run, a faulty one
    // does not start, and a loop without pauses leaves the window responsive (its labelled goto
    // put right by Пуск).
    void OneFlow() {
        TempDir dir;
        WriteBytes(dir.File("p.tovix"), "configd_FF\r\n"
                                        "pause_05\r\n"
                                        "portdwrite_01\r\n"
                                        "sound_02_10\r\n"
                                        "portdwrite_02\r\n"
                                        "stop\r\n"
                                        "// end\r\n");
        WriteBytes(dir.File("loop.tovix"), "nop\r\nloop:\r\nincd\r\ngoto_0000 loop\r\n");
        Board b;
        QVERIFY(b.Open(dir.File("p.tovix")));
        QCOMPARE(b.ActiveLine(), -1);
        for (int k = 0; k < 3; ++k)
            b.Key(Qt::Key_F8);
        QCOMPARE(b.PortD(), 0x01);
        QCOMPARE(b.window->PortDLeds()->Ddr(), 0xFF);
        QCOMPARE(b.Status(), "пауза: шаг");
        QCOMPARE(b.ActiveLine(), 3);

        const auto toggleStopPoints = [&b] {
            for (int line : {2, 4}) {
                b.CaretTo(line);
                b.Key(Qt::Key_B, Qt::ControlModifier);
            }
        };
        for (int speed = 0; speed < 3; ++speed) {
            b.window->SpeedBox->setCurrentIndex(speed);
            b.Key(Qt::Key_F2, Qt::ControlModifier);
            toggleStopPoints();
            QVERIFY(b.w.Main.Editor().MarkerList().HasMarker(4));
            for (int line : {2, 4}) {
                b.Key(Qt::Key_F5);
                QTRY_COMPARE(b.Status(), "пауза: точка остановки");
                QCOMPARE(b.ActiveLine(), line);
            }
            toggleStopPoints();
            b.Key(Qt::Key_F2, Qt::ControlModifier);
            b.CaretTo(4);
            b.Key(Qt::Key_F4);
            QTRY_COMPARE(b.Status(), "пауза: до курсора");
            QCOMPARE(b.ActiveLine(), 4);
        }
        b.Key(Qt::Key_F5);
        QTRY_COMPARE(b.Status(), "остановлено: stop");
        QCOMPARE(b.PortD(), 0x02);
        QCOMPARE(b.ActiveLine(), -1);
        b.CaretTo(6);
        b.Key(Qt::Key_F4);
        QCOMPARE(b.Status(), "на строке 7 и после неё нет команд");

        // No program: nothing of the last one, nothing to start.
        b.Key(Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(b.Status(), "не запущено");
        QCOMPARE(b.window->Runner().Board().Steps(), std::uint64_t{0});
        QVERIFY(!b.window->RunButton->isEnabled());
        b.w.Open(dir.File("p.tovix"));
        QVERIFY(b.window->RunButton->isEnabled());

        // An edit ends the run; a faulty operand keeps the next from starting, and its message
        // takes the caret to the line.
        b.Key(Qt::Key_F8);
        b.CaretTo(2);
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
                 "Строка 3: portdwrite_0x — неверные данные команды portdwrite: нужны две "
                 "шестнадцатеричные цифры, найдено «0x»");
        b.CaretTo(5);
        QTest::mouseClick(messages->viewport(), Qt::LeftButton, {},
                          messages->visualItemRect(messages->item(0)).center());
        QCOMPARE(b.w.Main.Editor().CurY(), 2);

        // A loop without pauses at every speed: timer events keep flowing while it runs.
        b.w.Dialogs.AnswerSaveChanges(TSaveChanges::Discard);
        b.w.Open(dir.File("loop.tovix"));
        for (int speed = 0; speed < 3; ++speed) {
            b.window->SpeedBox->setCurrentIndex(speed);
            b.Key(Qt::Key_F2, Qt::ControlModifier);
            b.Key(Qt::Key_F5);
            QCOMPARE(b.Status(), "работает");
            // Пуск put the labelled goto right first.
            QCOMPARE(b.w.Lines()[3], std::string("goto_0001 loop"));
            int ticks = 0;
            QTimer clock;
            QObject::connect(&clock, &QTimer::timeout, [&ticks] { ++ticks; });
            clock.start(10);
            QTRY_VERIFY(ticks >= 10 && b.window->Runner().Board().Steps() > 100);
            b.Key(Qt::Key_F5);
            QCOMPARE(b.Status(), "пауза");
        }
        // Closing the window ends the run and takes the arrow out of the editor.
        b.window->close();
        QCOMPARE(b.Status(), "остановлено");
        QCOMPARE(b.ActiveLine(), -1);
        QCOMPARE(b.w.Errors.Texts, QStringList());
    }

    // Back in time: a run to its end, three steps back with the pins falling back, back to the
    // start, then a click on the timeline in the middle of the tone and a second marker.
    void BackInTime() {
        TempDir dir;
        WriteBytes(dir.File("p.tovix"), "configd_FF\r\npause_05\r\nportdwrite_01\r\n"
                                        "sound_02_10\r\nportdwrite_02\r\nstop\r\n");
        Board b;
        QVERIFY(b.Open(dir.File("p.tovix")));
        b.window->SpeedBox->setCurrentIndex(2);
        b.Key(Qt::Key_F5);
        QTRY_COMPARE(b.Status(), "остановлено: stop");
        QCOMPARE(b.PortD(), 0x02);
        for (int line : {5, 4, 3}) {
            b.Key(Qt::Key_F8, Qt::ShiftModifier);
            QCOMPARE(b.Status(), "пауза: шаг назад");
            QCOMPARE(b.ActiveLine(), line);
        }
        QCOMPARE(b.PortD(), 0x01);
        b.Key(Qt::Key_F5, Qt::ShiftModifier);
        QCOMPARE(b.Status(), "пауза: начало прогона");
        QCOMPARE(b.ActiveLine(), 0);

        // The tone sounds from about 5.5 ms for 20 ms: a click at 15 ms is the sound command
        // under way.
        auto* timeline = Child<TTimelineView>(*b.window, "BoardTimeline");
        QTRY_VERIFY(timeline->ToUs() > 25'000);
        QTest::mouseClick(timeline, Qt::LeftButton, {},
                          QPoint(static_cast<int>(timeline->XOf(15'000)), 20));
        QCOMPARE(b.Status(), "пауза");
        QCOMPARE(b.ActiveLine(), 3);
        QCOMPARE(b.PortD(), 0x01);
        QTest::mouseClick(timeline, Qt::LeftButton, Qt::ShiftModifier,
                          QPoint(static_cast<int>(timeline->XOf(0)), 20));
        QTRY_VERIFY2(timeline->DeltaText().startsWith(QString::fromUtf8("Δt = 5,")),
                     qPrintable(timeline->DeltaText()));
        QCOMPARE(b.w.Errors.Texts, QStringList());
    }
};

QTEST_MAIN(BoardWindowTest)
#include "BoardWindowTest.moc"
