// The listing window on a 1,000,000-line program beside a 1,000-line one, measured in the same
// run: opening the window until the whole listing shows (cold: the program just loaded, and
// warm: the listing already made), the longest slice the GUI thread spends listing, and a
// keystroke and a caret move to their painted frames with the window open and without it.
#include "ProgramText.h"

#include "app/listing/ListingFollower.h"
#include "app/listing/ListingWindow.h"
#include "app/main/MainWindow.h"
#include "editor/CodeMemo.h"
#include "platform/CodeMemoWidget.h"
#include "support/Recorders.h"
#include "support/ScriptedDialogs.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QKeyEvent>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Subject {
    std::string Name;
    int Lines = 0;
    ScriptedDialogs Dialogs;
    RecordingShell Shell;
    std::unique_ptr<TMainWindow> Form;

    TCodeMemo& Memo() { return Form->Editor(); }
};

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void Paint(QWidget& w) {
    static QImage image(1200, 900, QImage::Format_RGB32);
    w.render(&image);
}

void Key(QWidget& target, int key, const QString& text) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(&target, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(&target, &up);
}

void Load(Subject& s, const std::string& path) {
    s.Form = std::make_unique<TMainWindow>(s.Dialogs, s.Shell);
    s.Form->show();
    s.Dialogs.AnswerOpen(QString::fromStdString(path));
    s.Form->findChild<QAction*>("N5")->trigger();
    for (int i = 0; i < 10; ++i)
        QApplication::processEvents();
}

// Ctrl+L until the window shows the whole listing, painted; the longest slice in between.
double OpenWindow(Subject& s, double& longestSliceMs) {
    QElapsedTimer clock;
    clock.start();
    s.Form->findChild<QAction*>("N18")->trigger();
    TListingWindow& window = *s.Form->ListingWindow();
    longestSliceMs = 0;
    const TListingFollower& follower = s.Form->ListingFollower();
    while (!follower.IsCurrent() || window.Table()->model()->rowCount() !=
                                        static_cast<int>(follower.Listing().Entries.size())) {
        QElapsedTimer slice;
        slice.start();
        QApplication::processEvents(QEventLoop::AllEvents);
        longestSliceMs = std::max(longestSliceMs, slice.nsecsElapsed() / 1e6);
    }
    Paint(window);
    return clock.nsecsElapsed() / 1e6;
}

// Paints what an event left to paint, in every window, as the event loop would next.
void PaintPending() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
}

// Median time of 400 key presses in the middle of the program, each until every window has
// painted what it changed; press(i) sends the i-th.
template <class Press> double ToFrame(Subject& s, Press press) {
    TCodeMemo& memo = s.Memo();
    memo.SetCurY(s.Lines / 2);
    memo.SetCurX(0);
    QWidget& editor = *s.Form->findChild<QWidget*>("Memo1");
    PaintPending();
    std::vector<double> times;
    for (int i = 0; i < 400; ++i) {
        QElapsedTimer clock;
        clock.start();
        press(editor, i);
        PaintPending();
        times.push_back(clock.nsecsElapsed() / 1e6);
    }
    return Median(times);
}

// A keystroke: a letter, then Backspace.
double Keystroke(Subject& s) {
    return ToFrame(s, [](QWidget& editor, int i) {
        if (i % 2 == 0)
            Key(editor, Qt::Key_A, "a");
        else
            Key(editor, Qt::Key_Backspace, "\b");
    });
}

// The caret a line down and up again; with the window open the row of the caret's command is
// highlighted too.
double CaretMove(Subject& s) {
    return ToFrame(s, [](QWidget& editor, int i) {
        Key(editor, i % 2 == 0 ? Qt::Key_Down : Qt::Key_Up, QString());
    });
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;

    Subject subjects[2];
    subjects[0].Name = "1,000,000 lines";
    subjects[0].Lines = 1'000'000;
    subjects[1].Name = "1,000 lines";
    subjects[1].Lines = 1'000;
    struct Figures {
        double Cold, ColdSlice, Warm, WarmSlice, KeyClosed, KeyOpen, CaretClosed, CaretOpen;
    } figures[2];
    for (int k = 0; k < 2; ++k) {
        Subject& s = subjects[k];
        std::string path = dir.filePath(QString::number(k) + ".tovix").toStdString();
        {
            std::ofstream file(path, std::ios::binary);
            for (const std::string& line : MakeProgramLines(s.Lines))
                file << line << "\r\n";
        }
        Figures& f = figures[k];
        Load(s, path);
        f.KeyClosed = Keystroke(s);
        f.CaretClosed = CaretMove(s);
        Load(s, path);
        f.Cold = OpenWindow(s, f.ColdSlice);
        s.Form->ListingWindow()->hide();
        f.Warm = OpenWindow(s, f.WarmSlice);
        f.KeyOpen = Keystroke(s);
        f.CaretOpen = CaretMove(s);
        std::fprintf(stderr, "%s: %d commands listed\n", s.Name.c_str(),
                     s.Form->ListingFollower().Listing().Counters.CommandCount);
    }

    const char* names[] = {
        "open the window, program just loaded (ms)", "  longest GUI-thread slice meanwhile (ms)",
        "open the window, listing made (ms)",        "keystroke to frame, window closed (ms)",
        "keystroke to frame, window open (ms)",      "caret move to frame, window closed (ms)",
        "caret move to frame, window open (ms)"};
    auto value = [](const Figures& f, int row) {
        const double v[] = {f.Cold,    f.ColdSlice,   f.Warm,     f.KeyClosed,
                            f.KeyOpen, f.CaretClosed, f.CaretOpen};
        return v[row];
    };
    std::printf("\n| operation | %s | %s | ratio |\n|---|---|---|---|\n", subjects[0].Name.c_str(),
                subjects[1].Name.c_str());
    for (int row = 0; row < 7; ++row) {
        double big = value(figures[0], row), small = value(figures[1], row);
        std::printf("| %s | %.3f | %.3f | %.2f |\n", names[row], big, small,
                    small > 0 ? big / small : 0.0);
    }
    return 0;
}
