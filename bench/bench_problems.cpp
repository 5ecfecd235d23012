// Problems shown in the editor on a 1,000,000-line program: keystrokes to their painted frames
// with 150,000 problem ranges (a typo on every tenth line, a stale labelled goto on every
// twentieth) beside the same editor with none, in one run; and the steps that put them there:
// the longest piece of the live listing, the whole listing in one go with the problem ranges
// set from it. Ends with a table of the figures and the ratio.
#include "ProgramText.h"
#include "TableReporter.h"

#include "app/listing/ListingFollower.h"
#include "app/main/MainWindow.h"
#include "compiler/LinesCompileTarget.h"
#include "compiler/ProgramListing.h"
#include "editor/CodeMemo.h"
#include "support/Recorders.h"
#include "support/ScriptedDialogs.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

namespace {

constexpr int LineCount = 1'000'000;
constexpr int TypingLine = 500'003; // a line with a typo in the program with problems

std::vector<std::string> ProgramWithProblems() {
    std::vector<std::string> lines = MakeProgramLines(LineCount);
    for (int i = 0; i < LineCount; ++i) {
        auto& line = lines[static_cast<std::size_t>(i)];
        if (i % 10 == 3)
            line = "alond";
        else if (i % 20 == 7)
            line = "m" + std::to_string(i) + ":";
        else if (i % 20 == 8)
            line = "goto_0000 m" + std::to_string(i - 1);
    }
    return lines;
}

struct Subject {
    explicit Subject(std::string name) : Name(std::move(name)) {}
    std::string Name;
    std::unique_ptr<ScriptedDialogs> Dialogs = std::make_unique<ScriptedDialogs>();
    std::unique_ptr<RecordingShell> Shell = std::make_unique<RecordingShell>();
    std::unique_ptr<TMainWindow> Form;
    QImage Image;

    TCodeMemo& Memo() { return Form->Editor(); }
    QWidget& Editor() { return *Form->findChild<QWidget*>("Memo1"); }
    void Paint() { Editor().render(&Image); }
};

void Key(QWidget& target, int key, const QString& text) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(&target, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(&target, &up);
}

void Open(Subject& s, const std::string& path) {
    s.Form = std::make_unique<TMainWindow>(*s.Dialogs, *s.Shell);
    s.Form->resize(800, 600);
    s.Form->show();
    s.Dialogs->AnswerOpen(QString::fromStdString(path));
    s.Form->findChild<QAction*>("N5")->trigger();
    s.Image = QImage(s.Editor().size(), QImage::Format_RGB32);
}

void RegisterTyping(Subject& s) {
    // A letter typed at the start of the line and taken back: two keystrokes, each painted.
    benchmark::RegisterBenchmark(("keystroke_to_frame/" + s.Name).c_str(),
                                 [&s](benchmark::State& state) {
                                     TCodeMemo& memo = s.Memo();
                                     memo.SetCurY(TypingLine);
                                     memo.SetCurX(0);
                                     memo.ScrollCaretIntoView();
                                     s.Paint();
                                     bool type = true;
                                     for (auto _ : state) {
                                         if (type)
                                             Key(s.Editor(), Qt::Key_A, "a");
                                         else
                                             Key(s.Editor(), Qt::Key_Backspace, "\b");
                                         type = !type;
                                         s.Paint();
                                     }
                                 })
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    QTemporaryDir dir;

    const std::vector<std::string> lines = ProgramWithProblems();
    const std::string path = dir.filePath("p.tovix").toStdString();
    {
        std::ofstream out(path, std::ios::binary);
        for (const std::string& line : lines)
            out << line << "\r\n";
    }
    Subject none{"no_problems"};
    Subject shown{"problems"};
    Open(none, path);
    Open(shown, path);
    shown.Form->ListingFollower().MakeCurrent();
    QApplication::processEvents();
    none.Memo().SetProblems({});
    std::fprintf(stderr, "problems shown: %d\n", shown.Memo().Problems().Count());

    RegisterTyping(none);
    RegisterTyping(shown);

    // The live listing built in pieces, as the follower builds it between two looks at the
    // clock: the longest piece (the last ones resolve the labels and merge the
    // warnings).
    TLinesCompileTarget text(lines);
    benchmark::RegisterBenchmark(
        "listing_longest_piece/problems",
        [&](benchmark::State& state) {
            for (auto _ : state) {
                TListingBuilder builder;
                double longest = 0;
                bool done = false;
                while (!done) {
                    auto start = std::chrono::steady_clock::now();
                    done = builder.Continue(text, TListingFollower::kLinesPerStep);
                    std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
                    longest = std::max(longest, took.count());
                }
                benchmark::DoNotOptimize(builder.Take());
                state.SetIterationTime(longest);
            }
        })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
    // The whole listing in one go, and the editor's problems set from it (on the GUI thread
    // the listing runs in slices of a few ms; the ranges are set once it is complete).
    benchmark::RegisterBenchmark("listing_and_problems/problems",
                                 [&](benchmark::State& state) {
                                     for (auto _ : state) {
                                         shown.Memo().Lines().Put(0, "nop");
                                         shown.Form->ListingFollower().MakeCurrent();
                                     }
                                 })
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);

    // The problem ranges made from a complete listing and set, in slices on the GUI thread,
    // until the editor holds the new ones.
    benchmark::RegisterBenchmark("set_problems/problems",
                                 [&](benchmark::State& state) {
                                     shown.Form->ListingFollower().MakeCurrent();
                                     for (auto _ : state) {
                                         const TCodeProblem* before =
                                             shown.Memo().Problems().All().data();
                                         emit shown.Form->ListingFollower().Updated();
                                         while (shown.Memo().Problems().All().data() == before)
                                             QApplication::processEvents();
                                     }
                                 })
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);

    TableReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n| operation | problems ms | no problems ms | ratio |\n|---|---|---|---|\n");
    for (const char* op :
         {"keystroke_to_frame", "listing_longest_piece", "set_problems", "listing_and_problems"}) {
        auto& row = reporter.Millis[op];
        double p = row["problems"], n = row.count("no_problems") ? row["no_problems"] : 0.0;
        std::printf("| %s | %.3f | %s | %s |\n", op, p, n > 0 ? std::to_string(n).c_str() : "-",
                    n > 0 ? std::to_string(p / n).c_str() : "-");
    }
    benchmark::Shutdown();
    return 0;
}
