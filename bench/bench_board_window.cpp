// The board window at work, measured in the same run: the share of a core the workbench uses
// while running a program that pauses (data/examples/running-light.tovix in real time), beside
// the same window left idle; and a goto loop without pauses at every speed, with the commands
// it runs per second and the longest wait of a 5 ms timer meanwhile (how responsive the window
// stays).
#include "app/board/BoardRunner.h"
#include "app/board/BoardWindow.h"
#include "app/main/MainWindow.h"
#include "support/Recorders.h"
#include "support/ScriptedDialogs.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>

namespace {

double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

struct Measure {
    double CpuShare = 0; // CPU seconds per wall second
    double LongestGapMs = 0;
};

// Runs the event loop for ms; with tick, a 5 ms timer ticks meanwhile and its longest gap is
// measured.
Measure Spin(int ms, bool tick) {
    QElapsedTimer wall;
    wall.start();
    double cpu = CpuSeconds();
    Measure m;
    QElapsedTimer since;
    since.start();
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        m.LongestGapMs = std::max(m.LongestGapMs, since.nsecsElapsed() / 1e6);
        since.restart();
    });
    if (tick)
        ticker.start(5);
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    m.CpuShare = (CpuSeconds() - cpu) / (wall.nsecsElapsed() / 1e9);
    return m;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    std::string loop = dir.filePath("loop.tovix").toStdString();
    std::ofstream(loop, std::ios::binary) << "incd\r\ninvertb\r\ngoto_0000\r\n";

    ScriptedDialogs dialogs;
    RecordingShell shell;
    TMainWindow form(dialogs, shell);
    form.show();
    dialogs.AnswerOpen(QStringLiteral(TOVIX_EXAMPLES "/running-light.tovix"));
    form.findChild<QAction*>("N5")->trigger();
    form.findChild<QAction*>("N19")->trigger();
    TBoardWindow& window = *form.BoardWindow();
    TBoardRunner& runner = window.Runner();
    Spin(300, false);

    Measure idle = Spin(3000, false);
    runner.Start();
    Measure light = Spin(3000, false);
    std::fprintf(stderr, "running light: %llu commands in %.3f s of virtual time\n",
                 static_cast<unsigned long long>(runner.Board().Steps()),
                 static_cast<double>(runner.Board().TimeUs()) / 1e6);
    runner.Pause();

    std::printf("\n| board window | share of a core |\n|---|---|\n");
    std::printf("| idle | %.2f%% |\n", idle.CpuShare * 100);
    std::printf("| running-light in real time | %.2f%% |\n", light.CpuShare * 100);

    dialogs.AnswerOpen(QString::fromStdString(loop));
    form.findChild<QAction*>("N5")->trigger();
    std::printf("\n| goto loop without pauses | commands per second | share of a core | "
                "longest 5 ms tick gap (ms) |\n|---|---|---|---|\n");
    const char* speeds[] = {"real time", "x10", "as fast as possible"};
    for (int speed = 0; speed < 3; ++speed) {
        window.SpeedBox->setCurrentIndex(speed);
        runner.Reset();
        runner.Start();
        QElapsedTimer wall;
        wall.start();
        Measure m = Spin(2000, true);
        double perSecond =
            static_cast<double>(runner.Board().Steps()) / (wall.nsecsElapsed() / 1e9);
        runner.Pause();
        std::printf("| %s | %.0f | %.2f%% | %.1f |\n", speeds[speed], perSecond, m.CpuShare * 100,
                    m.LongestGapMs);
    }
    return 0;
}
