// The editor window on a 1,000,000-line program: a keystroke in the middle of the text to its
// painted frame, and a wheel step to its painted frame, beside QPlainTextEdit and QScintilla
// driven by the same Qt events in the same run. Ends with a table of figures and ratios.
#include "PeerEditors.h"
#include "ProgramText.h"
#include "TableReporter.h"

#include "compiler/CommandSet.h"
#include "editor/style/CodePasStyler.h"
#include "platform/CodeMemoWidget.h"
#include "workbench/WorkbenchDisplay.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QWheelEvent>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>
#include <map>
#include <memory>

namespace {

constexpr int LineCount = 1'000'000;
constexpr int MiddleLine = 500'000;

struct Subject {
    std::string Name;
    QWidget* Target; // where key and wheel events go
    QWidget* Frame;  // what is painted
    std::function<void()> PlaceCaret;
};

QImage& Image() {
    static QImage image(425, 353, QImage::Format_RGB32);
    return image;
}

void Paint(QWidget* w) {
    w->render(&Image());
}

void Key(QWidget* target, int key, const QString& text) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &up);
}

void Wheel(QWidget* target, int delta) {
    QPointF at(100, 100);
    QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

void Register(const std::vector<Subject>& subjects) {
    for (const Subject& s : subjects) {
        // Typing a letter and taking it back with Backspace: two keystrokes, each painted.
        benchmark::RegisterBenchmark(("keystroke/" + s.Name).c_str(),
                                     [s](benchmark::State& state) {
                                         s.PlaceCaret();
                                         Paint(s.Frame);
                                         bool type = true;
                                         for (auto _ : state) {
                                             if (type)
                                                 Key(s.Target, Qt::Key_A, "a");
                                             else
                                                 Key(s.Target, Qt::Key_Backspace, "\b");
                                             type = !type;
                                             Paint(s.Frame);
                                         }
                                     })
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("wheel_step/" + s.Name).c_str(),
                                     [s](benchmark::State& state) {
                                         s.PlaceCaret();
                                         Paint(s.Frame);
                                         int delta = -120;
                                         for (auto _ : state) {
                                             Wheel(s.Target, delta);
                                             delta = -delta;
                                             Paint(s.Frame);
                                         }
                                     })
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    std::vector<std::string> lines = MakeProgramLines(LineCount);
    std::vector<std::string> keywords = KeywordsSorted();
    std::fprintf(stderr, "loading %d lines into each editor...\n", LineCount);

    TCodePascalMemoStyler styler;
    ConfigureWorkbenchStyler(styler, keywords);
    TCodeMemoWidget tovix;
    ConfigureWorkbenchDisplay(tovix.Memo());
    tovix.Memo().SetSyntaxStyles(&styler);
    tovix.MeasureFont();
    tovix.resize(425, 353);
    tovix.Memo().Lines().Assign(lines);
    tovix.show();

    std::unique_ptr<PeerEditor> plain = MakePlainTextPeer(lines, keywords);
    std::unique_ptr<PeerEditor> scintilla = MakeScintillaPeer(lines, keywords);
    QApplication::processEvents();

    std::vector<Subject> subjects;
    subjects.push_back({"TOVIX", &tovix, &tovix, [&tovix] {
                            tovix.Memo().SetCurY(MiddleLine);
                            tovix.Memo().SetCurX(0);
                        }});
    subjects.push_back({"QPlainTextEdit", &plain->Widget(), &plain->Widget(),
                        [&plain] { plain->PlaceCaret(MiddleLine); }});
    if (scintilla)
        subjects.push_back({"QScintilla", &scintilla->Widget(), &scintilla->Widget(),
                            [&scintilla] { scintilla->PlaceCaret(MiddleLine); }});

    Register(subjects);
    TableReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintTable("event to painted frame", {"keystroke", "wheel_step"});
    benchmark::Shutdown();
    tovix.Memo().SetSyntaxStyles(nullptr);
    return 0;
}
