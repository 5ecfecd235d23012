// Repaint benchmarks of the workbench's editor against QPlainTextEdit (keyword highlighter) and
// QScintilla (custom lexer) on the same 1,000,000-line program in a 425 × 353 view: a repaint at
// the top, the first jump to line 999,000 (no checkpoints yet / no styling yet), later jumps to
// random lines, and a repaint with nothing changed. Ends with a table of the figures and their
// ratios, all measured in this run.
#include "PeerEditors.h"
#include "ProgramText.h"
#include "TableReporter.h"

#include "app/tools/RenderSetup.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <random>
#include <string>

namespace {

constexpr int LineCount = 1'000'000;
constexpr int JumpLine = 999'000;

struct Fixture {
    std::vector<std::string> Lines = MakeProgramLines(LineCount);
    std::unique_ptr<RenderedEditor> Tovix;
    std::unique_ptr<PeerEditor> PlainText;
    std::unique_ptr<PeerEditor> Scintilla;
    QImage Image{425, 353, QImage::Format_RGB32};
};

Fixture* TheFixture = nullptr;

// One editor as the benchmarks drive it.
struct Subject {
    std::string Name;
    std::function<void(int)> SetTop;
    std::function<void()> Paint;
    std::function<void()> Reset; // back to no checkpoints / no styling, view at the top
};

std::vector<Subject> Subjects(Fixture& f) {
    std::vector<Subject> out;
    out.push_back({"TOVIX", [&f](int line) { f.Tovix->Memo.SetTopLine(line); },
                   [&f] { PaintToImage(f.Tovix->Memo, f.Image); },
                   [&f] {
                       TCodeMemo& memo = f.Tovix->Memo;
                       memo.Lines().Clear();
                       memo.Lines().AddStrings(f.Lines);
                       memo.UpdateScrollBars();
                       memo.SetTopLine(0);
                       PaintToImage(memo, f.Image);
                   }});
    auto peer = [&f](const char* name, PeerEditor* p) {
        return Subject{name, [p](int line) { p->SetTopLine(line); }, [p, &f] { p->Paint(f.Image); },
                       [p, &f] {
                           p->SetTopLine(0);
                           p->ForgetStyling();
                           p->Paint(f.Image);
                       }};
    };
    out.push_back(peer("QPlainTextEdit", f.PlainText.get()));
    if (f.Scintilla)
        out.push_back(peer("QScintilla", f.Scintilla.get()));
    return out;
}

void Register(Fixture& f) {
    for (const Subject& s : Subjects(f)) {
        benchmark::RegisterBenchmark(("repaint_top/" + s.Name).c_str(),
                                     [s](benchmark::State& state) {
                                         s.SetTop(0);
                                         for (auto _ : state) {
                                             if (s.Name == "TOVIX")
                                                 TheFixture->Tovix->Memo.InvalidateTopStateCache();
                                             s.Paint();
                                         }
                                     })
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("first_jump_to_999000/" + s.Name).c_str(),
                                     [s](benchmark::State& state) {
                                         for (auto _ : state) {
                                             state.PauseTiming();
                                             s.Reset();
                                             state.ResumeTiming();
                                             s.SetTop(JumpLine);
                                             s.Paint();
                                         }
                                     })
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(5);
        benchmark::RegisterBenchmark(("random_jump/" + s.Name).c_str(),
                                     [s](benchmark::State& state) {
                                         s.SetTop(JumpLine);
                                         s.Paint();
                                         std::mt19937 rng(7);
                                         std::uniform_int_distribution<int> line(0, JumpLine);
                                         for (auto _ : state) {
                                             s.SetTop(line(rng));
                                             s.Paint();
                                         }
                                     })
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("repaint_cached/" + s.Name).c_str(),
                                     [s](benchmark::State& state) {
                                         s.SetTop(500'000);
                                         s.Paint();
                                         for (auto _ : state)
                                             s.Paint();
                                     })
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
    }
}

// Console output as usual, and the mean real time of every benchmark kept for the table.

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    Fixture fixture;
    TheFixture = &fixture;
    std::fprintf(stderr, "loading %d lines into each editor...\n", LineCount);
    fixture.Tovix = std::make_unique<RenderedEditor>();
    fixture.Tovix->Memo.Lines().Clear();
    fixture.Tovix->Memo.Lines().AddStrings(fixture.Lines);
    fixture.Tovix->Memo.UpdateScrollBars();
    PaintToImage(fixture.Tovix->Memo, fixture.Image);
    const auto keywords = WorkbenchCommandWords();
    fixture.PlainText = MakePlainTextPeer(fixture.Lines, keywords);
    fixture.Scintilla = MakeScintillaPeer(fixture.Lines, keywords);
    QApplication::processEvents();

    Register(fixture);
    TableReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintTable("operation",
                        {"repaint_top", "first_jump_to_999000", "random_jump", "repaint_cached"});
    benchmark::Shutdown();
    return 0;
}
