// Recovery files on a 1,000,000-line program: keystrokes to their painted frames while a due
// snapshot of the text is under way (typing that never pauses: every key starts it over and
// one slice runs before the next key) beside the same window with recovery off; the whole
// snapshot in one go, the write of the file on the worker thread, and after a last key the wall
// time until the file holds the text and the longest event loop pass meanwhile (the GUI
// thread's longest slice). Ends with a table.
#include "ProgramText.h"
#include "TableReporter.h"

#include "app/main/MainWindow.h"
#include "app/main/RecoveryKeeper.h"
#include "base/TextFile.h"
#include "editor/CodeMemo.h"
#include "support/Recorders.h"
#include "support/ScriptedDialogs.h"
#include "workbench/RecoveryFile.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <tuple>

namespace {

constexpr int LineCount = 1'000'000;
constexpr int TypingLine = 500'003;

struct Subject {
    explicit Subject(std::string name) : Name(std::move(name)) {}
    std::string Name;
    std::unique_ptr<ScriptedDialogs> Dialogs = std::make_unique<ScriptedDialogs>();
    std::unique_ptr<RecordingShell> Shell = std::make_unique<RecordingShell>();
    std::unique_ptr<TMainWindow> Form;
    QImage Image;
    bool Type = true;

    TCodeMemo& Memo() { return Form->Editor(); }
    QWidget& Editor() { return *Form->findChild<QWidget*>("Memo1"); }
    TRecoveryKeeper& Keeper() { return *Form->findChild<TRecoveryKeeper*>("Recovery"); }
    void Paint() { Editor().render(&Image); }
    // A letter typed at the start of the line, or taken back.
    void Keystroke() {
        const int key = Type ? Qt::Key_A : Qt::Key_Backspace;
        const QString text = Type ? QStringLiteral("a") : QStringLiteral("\b");
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(&Editor(), &down);
        QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(&Editor(), &up);
        Type = !Type;
    }
};

void Open(Subject& s, const std::string& path) {
    s.Form = std::make_unique<TMainWindow>(*s.Dialogs, *s.Shell);
    s.Form->show();
    s.Dialogs->AnswerOpen(QString::fromStdString(path));
    s.Form->findChild<QAction*>("N5")->trigger();
    s.Image = QImage(s.Editor().size(), QImage::Format_RGB32);
    s.Memo().SetCurY(TypingLine);
    s.Memo().SetCurX(0);
    s.Memo().ScrollCaretIntoView();
}

// Keys without a pause for a little longer than the longest wait, so that a snapshot is due.
void TypeUntilDue(Subject& s) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < TRecoverySchedule::kLongestWaitMs + 200) {
        s.Keystroke();
        QApplication::processEvents();
    }
}

void RegisterTyping(Subject& s) {
    benchmark::RegisterBenchmark(("keystroke_to_frame/" + s.Name).c_str(),
                                 [&s](benchmark::State& state) {
                                     TypeUntilDue(s);
                                     for (auto _ : state) {
                                         s.Keystroke();
                                         s.Paint();
                                         QApplication::processEvents();
                                     }
                                 })
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
}

// What tells one written file from the next (a freed inode number may come again at once).
std::tuple<ino_t, off_t, time_t, long> Stamp(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return {};
    return {st.st_ino, st.st_size, st.st_mtim.tv_sec, st.st_mtim.tv_nsec};
}

// Runs the event loop until the recovery file holds the text (with recovery off: for as long
// as that takes at most), passing the events in quick turns as an idle loop would. Returns the
// seconds taken and sets held to the longest turn.
double AfterLastKey(Subject& s, double* held) {
    const bool recovering = s.Name == "on" && s.Form->ProgramChanged();
    const std::string file = s.Keeper().OwnFile().toStdString();
    const std::string expected = JoinTextFile(s.Memo().Lines().ToVector());
    // The file may hold the text already (untimed, before the first key).
    std::tuple<ino_t, off_t, time_t, long> seen{};
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        auto start = std::chrono::steady_clock::now();
        QApplication::processEvents();
        std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        if (held)
            *held = std::max(*held, took.count());
        if (!recovering && clock.elapsed() > TRecoverySchedule::kLongestWaitMs)
            break;
        // Each write renames a new file over the old one: it is read only then.
        if (recovering && Stamp(file) != seen) {
            seen = Stamp(file);
            std::optional<TRecoveryRecord> record = ReadRecoveryFile(file);
            if (record && record->Text == expected)
                break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return static_cast<double>(clock.nsecsElapsed()) / 1e9;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir dir;
    qputenv("XDG_DATA_HOME", dir.filePath("data").toLocal8Bit());
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    const std::vector<std::string> lines = MakeProgramLines(LineCount);
    const std::string path = dir.filePath("p.tovix").toStdString();
    WriteTextFile(path, lines);
    Subject off{"off"};
    Subject on{"on"};
    Open(off, path);
    Open(on, path);
    off.Keeper().Finish();

    RegisterTyping(off);
    RegisterTyping(on);

    const TCodeMemoStrings& text = on.Memo().Lines();
    // The whole snapshot in one go (on the GUI thread it is cut into slices of kSliceMs).
    std::string snapshot;
    benchmark::RegisterBenchmark("snapshot_whole/on",
                                 [&](benchmark::State& state) {
                                     for (auto _ : state) {
                                         snapshot.clear();
                                         AppendProgramLines(snapshot, text, 0, text.Count());
                                     }
                                 })
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
    // The write on the worker thread: header, text, sync and rename.
    benchmark::RegisterBenchmark("write_file/on",
                                 [&](benchmark::State& state) {
                                     const TRecoveryRecord record{path, 0, snapshot};
                                     const std::string file =
                                         dir.filePath("bench.recovery").toStdString();
                                     for (auto _ : state)
                                         benchmark::DoNotOptimize(WriteRecoveryFile(file, record));
                                 })
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
    // From the last key to the recovery file holding the text, as the user waits for it (the
    // quiet time, the slices and the write), and the longest the GUI thread is held meanwhile,
    // beside the same time of the window with recovery off.
    for (Subject* s : {&off, &on}) {
        for (bool longest : {false, true}) {
            if (!longest && s == &off)
                continue;
            const std::string name =
                (longest ? "longest_gui_slice/" : "last_key_to_file/") + s->Name;
            benchmark::RegisterBenchmark(name.c_str(),
                                         [s, longest](benchmark::State& state) {
                                             AfterLastKey(*s, nullptr);
                                             for (auto _ : state) {
                                                 s->Keystroke();
                                                 double held = 0;
                                                 double took = AfterLastKey(*s, &held);
                                                 state.SetIterationTime(longest ? held : took);
                                             }
                                         })
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond)
                ->Iterations(3);
        }
    }

    TableReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n| operation | recovery on ms | recovery off ms | ratio |\n|---|---|---|---|\n");
    for (const char* op : {"keystroke_to_frame", "longest_gui_slice", "snapshot_whole",
                           "write_file", "last_key_to_file"}) {
        auto& row = reporter.Millis[op];
        double p = row["on"], n = row.count("off") ? row["off"] : 0.0;
        std::printf("| %s | %.3f | %s | %s |\n", op, p, n > 0 ? std::to_string(n).c_str() : "-",
                    n > 0 ? std::to_string(p / n).c_str() : "-");
    }
    benchmark::Shutdown();
    return 0;
}
