// Typing in the find bar over a 1,000,000-line program: a key in the bar's text to the editor's
// painted frame with every visible match highlighted, beside a key typed in the editor itself,
// in one run; and the longest slice of the count that follows, the most the bar ever holds the
// window's thread. Ends with a table of the figures and their ratio.
#include "ProgramText.h"
#include "TableReporter.h"

#include "app/main/FindBar.h"
#include "app/main/MainWindow.h"
#include "editor/CodeMemo.h"
#include "support/Recorders.h"
#include "support/ScriptedDialogs.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>

namespace {

constexpr int LineCount = 1'000'000;
constexpr int TypingLine = 500'000;

void Key(QWidget& target, int key, const QString& text) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(&target, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(&target, &up);
}

// Types "pause" into target one key a frame, then takes it back with Backspace, round and round.
void TypeAndPaint(benchmark::State& state, QWidget& target, QWidget& editor, QImage& image) {
    static const QString word = QStringLiteral("pause");
    int step = 0;
    for (auto _ : state) {
        const int at = step % (2 * word.size());
        if (at < word.size())
            Key(target, Qt::Key_A + (word[at].unicode() - 'a'), word.mid(at, 1));
        else
            Key(target, Qt::Key_Backspace, QStringLiteral("\b"));
        ++step;
        editor.render(&image);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    QTemporaryDir dir;
    const std::string path = dir.filePath("p.tovix").toStdString();
    {
        std::ofstream out(path, std::ios::binary);
        for (const std::string& line : MakeProgramLines(LineCount))
            out << line << "\r\n";
    }
    ScriptedDialogs dialogs;
    RecordingShell shell;
    TMainWindow form(dialogs, shell);
    form.show();
    dialogs.AnswerOpen(QString::fromStdString(path));
    form.findChild<QAction*>("N5")->trigger();
    TCodeMemo& memo = form.Editor();
    auto* editor = form.findChild<QWidget*>("Memo1");
    memo.SetCurY(TypingLine);
    memo.ScrollCaretIntoView();
    QImage image(editor->size(), QImage::Format_RGB32);

    benchmark::RegisterBenchmark("keystroke_to_frame/editor",
                                 [&](benchmark::State& state) {
                                     editor->setFocus();
                                     TypeAndPaint(state, *editor, *editor, image);
                                 })
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("keystroke_to_frame/find_bar",
                                 [&](benchmark::State& state) {
                                     form.findChild<QAction*>("FindNextKey")->trigger();
                                     auto* text = form.findChild<QLineEdit*>("FindText");
                                     text->clear();
                                     TypeAndPaint(state, *text, *editor, image);
                                 })
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
    // The count the bar runs once typing stops: its longest slice, and all of it.
    const TSearchPattern pattern("pause", {});
    benchmark::RegisterBenchmark("count_longest_slice/find_bar",
                                 [&](benchmark::State& state) {
                                     for (auto _ : state) {
                                         TMatchCounter counter(0);
                                         counter.Start(pattern);
                                         double longest = 0;
                                         bool done = false;
                                         while (!done) {
                                             const auto start = std::chrono::steady_clock::now();
                                             done = counter.Continue(memo.Lines(),
                                                                     TFindBar::kLinesPerSlice);
                                             const std::chrono::duration<double> took =
                                                 std::chrono::steady_clock::now() - start;
                                             longest = std::max(longest, took.count());
                                         }
                                         state.SetIterationTime(longest);
                                     }
                                 })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(5);

    TableReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double editorMs = reporter.Millis["keystroke_to_frame"]["editor"];
    const double barMs = reporter.Millis["keystroke_to_frame"]["find_bar"];
    std::printf("\n| operation | ms | ratio to a key in the editor |\n|---|---|---|\n");
    std::printf("| key in the editor to frame | %.3f | 1 |\n", editorMs);
    std::printf("| key in the find bar to frame | %.3f | %.2f |\n", barMs, barMs / editorMs);
    const double sliceMs = reporter.Millis["count_longest_slice"]["find_bar"];
    std::printf("| longest count slice | %.3f | %.2f |\n", sliceMs, sliceMs / editorMs);
    benchmark::Shutdown();
    return 0;
}
