// One 10 MB line beside a 1,000-line program, measured in the same run: a repaint, keystrokes
// to their painted frames typed as a person goes along the text on one editor (at its start, in
// its middle, at its end, then in the middle again, the view scrolled to each), the caret moving
// along the line, and F9 in the main window to its message. Ends with a table of the figures and
// the long line's ratio to the short program.
#include "ProgramText.h"
#include "TableReporter.h"

#include "app/main/MainWindow.h"
#include "editor/CodeMemo.h"
#include "platform/CodeMemoWidget.h"
#include "support/Recorders.h"
#include "support/ScriptedDialogs.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <utility>

namespace {

constexpr int ShortLines = 1'000;
constexpr int LongRepeats = 1'500'000; // "allond " 1.5 million times: 10.5 MB

struct Subject {
    Subject(std::string name, std::string path, int middleLine, int middleCol, int endLine)
        : Name(std::move(name)), Path(std::move(path)), MiddleLine(middleLine),
          MiddleCol(middleCol), EndLine(endLine) {}

    std::string Name;
    std::string Path;
    int MiddleLine;
    int MiddleCol;
    int EndLine; // typing at the end goes to the end of this line
    std::unique_ptr<ScriptedDialogs> Dialogs = std::make_unique<ScriptedDialogs>();
    std::unique_ptr<RecordingShell> Shell = std::make_unique<RecordingShell>();
    std::unique_ptr<TMainWindow> Form;

    TCodeMemo& Memo() { return Form->Editor(); }
    QWidget& EditorWidget() { return *Form->findChild<QWidget*>("Memo1"); }
};

QImage& Image(QWidget& w) {
    static std::map<QWidget*, QImage> images;
    auto [it, added] = images.try_emplace(&w, w.size(), QImage::Format_RGB32);
    return it->second;
}

void Paint(QWidget& w) {
    w.render(&Image(w));
}

void Key(QWidget& target, int key, const QString& text) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(&target, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(&target, &up);
}

void PlaceCaret(Subject& s, int line, int col) {
    TCodeMemo& memo = s.Memo();
    memo.SetCurY(line);
    memo.SetCurX(col);
    memo.ClearSelection();
    memo.ScrollCaretIntoView();
}

void WriteProgram(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

void Register(Subject& s) {
    const std::string& n = s.Name;
    benchmark::RegisterBenchmark(("repaint/" + n).c_str(),
                                 [&s](benchmark::State& state) {
                                     PlaceCaret(s, 0, 0);
                                     for (auto _ : state) {
                                         s.Memo().InvalidateTopStateCache();
                                         Paint(s.EditorWidget());
                                     }
                                 })
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
    // Typing a letter and taking it back with Backspace: two keystrokes, each painted. The
    // phases run in the order registered, on the same editor, each after the edits of the last.
    auto typing = [&s](int line, int col) {
        return [&s, line, col](benchmark::State& state) {
            PlaceCaret(s, line, col < 0 ? s.Memo().Lines().LineLength(line) : col);
            Paint(s.EditorWidget());
            bool type = true;
            for (auto _ : state) {
                if (type)
                    Key(s.EditorWidget(), Qt::Key_A, "a");
                else
                    Key(s.EditorWidget(), Qt::Key_Backspace, "\b");
                type = !type;
                Paint(s.EditorWidget());
            }
        };
    };
    benchmark::RegisterBenchmark(("keystroke_start/" + n).c_str(), typing(0, 0))
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
    const std::pair<const char*, std::pair<int, int>> phases[] = {
        {"keystroke_middle/", {s.MiddleLine, s.MiddleCol}},
        {"keystroke_end/", {s.EndLine, -1}},
        {"keystroke_middle_again/", {s.MiddleLine, s.MiddleCol}},
    };
    for (const auto& [phase, at] : phases)
        benchmark::RegisterBenchmark((phase + n).c_str(), typing(at.first, at.second))
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("caret_right/" + n).c_str(),
                                 [&s](benchmark::State& state) {
                                     PlaceCaret(s, s.MiddleLine, s.MiddleCol);
                                     bool right = true;
                                     for (auto _ : state) {
                                         Key(s.EditorWidget(), right ? Qt::Key_Right : Qt::Key_Left,
                                             QString());
                                         right = !right;
                                         Paint(s.EditorWidget());
                                     }
                                 })
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
    // F9: the compile, its message (scripted: it returns at once) and the window painted.
    benchmark::RegisterBenchmark(("f9_to_message/" + n).c_str(),
                                 [&s](benchmark::State& state) {
                                     for (auto _ : state) {
                                         s.Form->findChild<QAction*>("N9")->trigger();
                                         Paint(*s.Form);
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

    std::string longLine;
    longLine.reserve(7 * static_cast<std::size_t>(LongRepeats) + 2);
    for (int i = 0; i < LongRepeats; ++i)
        longLine += "allond ";
    std::string shortText;
    for (const std::string& line : MakeProgramLines(ShortLines))
        shortText += line + "\r\n";

    Subject longSubject{"10MB_line", dir.filePath("long.tovix").toStdString(), 0,
                        LongRepeats / 2 * 7, 0};
    Subject shortSubject{"1000_lines", dir.filePath("short.tovix").toStdString(), ShortLines / 2, 0,
                         ShortLines - 1};
    WriteProgram(longSubject.Path, longLine + "\r\n");
    WriteProgram(shortSubject.Path, shortText);
    for (Subject* s : {&longSubject, &shortSubject}) {
        s->Form = std::make_unique<TMainWindow>(*s->Dialogs, *s->Shell);
        s->Form->resize(800, 600);
        s->Form->show();
        s->Dialogs->AnswerOpen(QString::fromStdString(s->Path));
        s->Form->findChild<QAction*>("N5")->trigger();
        QApplication::processEvents();
    }
    std::fprintf(stderr, "long line: %d bytes, %d line(s)\n",
                 longSubject.Memo().Lines().LineLength(0), longSubject.Memo().Lines().Count());

    Register(longSubject);
    Register(shortSubject);
    TableReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::printf("\n| operation | 10 MB line ms | 1,000 lines ms | ratio |\n|---|---|---|---|\n");
    for (const char* op : {"repaint", "keystroke_start", "keystroke_middle", "keystroke_end",
                           "keystroke_middle_again", "caret_right", "f9_to_message"}) {
        auto& row = reporter.Millis[op];
        double l = row["10MB_line"], s = row["1000_lines"];
        std::printf("| %s | %.3f | %.3f | %.2f |\n", op, l, s, s > 0 ? l / s : 0.0);
    }
    benchmark::Shutdown();
    return 0;
}
