// The board window's timeline over a run of 10^7 changes (a pause-free loop that changes a
// port at every command): frames of the whole run, of pans and of zooms, each painted whole,
// as frames per second beside the 30 a smooth pane needs.
#include "app/board/TimelineView.h"
#include "board/Board.h"
#include "board/TimelineBuilder.h"
#include "compiler/Compiler.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <stdexcept>

namespace {

constexpr std::uint64_t kChanges = 10'000'000;

// incd and a jump back: PORTD changes at every other command, its low pin at each incd.
const std::vector<std::string> kLoop = {"incd", "incd", "goto_0000"};

TTimeline LongRun() {
    TCompiledProgram compiled = CompileProgram(kLoop);
    if (!compiled.Result.Succeeded())
        throw std::logic_error("the benchmark loop does not compile");
    TBoard board(compiled.Program);
    TTimeline timeline(board.State(), std::size_t{16} << 20);
    std::uint64_t changes = 0;
    while (changes < kChanges) {
        const TBoardState before = board.State();
        board.Step();
        timeline.Command(before, board.State(), board.Program().Op(before.Pc), 0);
        changes += before.Port != board.State().Port;
    }
    timeline.Finish(board.TimeUs());
    return timeline;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    const TTimeline timeline = LongRun();
    std::fprintf(stderr, "run: %.1f s of virtual time, timeline %.1f MB, folded until %.1f s\n",
                 static_cast<double>(timeline.EndUs()) / 1e6,
                 static_cast<double>(timeline.Bytes()) / (1 << 20),
                 static_cast<double>(timeline.FoldedUntil()) / 1e6);
    TTimelineView view;
    view.resize(1200, view.sizeHint().height());
    view.SetTimeline(&timeline, nullptr, timeline.EndUs() / 2);
    QImage image(view.size(), QImage::Format_RGB32);
    std::map<std::string, double> ms;

    const auto frames = [&](const char* name, auto&& move) {
        benchmark::RegisterBenchmark(name, [&, move](benchmark::State& state) {
            view.FitWholeRun();
            for (auto _ : state) {
                move();
                view.render(&image);
            }
        })->Unit(benchmark::kMillisecond);
    };
    frames("whole_run", [] {});
    int step = 0;
    frames("pan", [&] {
        // Zoomed to a tenth, then panned by a twentieth a frame, forth and back.
        if (step++ == 0)
            view.Zoom(10, 600);
        view.Pan((step / 40) % 2 == 0 ? 0.05 : -0.05);
    });
    int zoom = 0;
    frames("zoom", [&] {
        // In by 1.25 a frame round the middle, 30 times, then out again.
        view.Zoom((zoom++ / 30) % 2 == 0 ? 1.25 : 0.8, 600);
    });

    class TReporter : public benchmark::ConsoleReporter {
    public:
        std::map<std::string, double>* Ms = nullptr;
        void ReportRuns(const std::vector<Run>& runs) override {
            ConsoleReporter::ReportRuns(runs);
            for (const Run& run : runs)
                if (run.run_type == Run::RT_Iteration)
                    (*Ms)[run.benchmark_name()] =
                        run.real_accumulated_time / static_cast<double>(run.iterations) * 1e3;
        }
    } reporter;
    reporter.Ms = &ms;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n| frame of 10^7 changes | ms | frames/s | ÷ 30 fps |\n|---|---|---|---|\n");
    for (const char* name : {"whole_run", "pan", "zoom"})
        std::printf("| %s | %.2f | %.0f | %.1f |\n", name, ms[name], 1000.0 / ms[name],
                    1000.0 / ms[name] / 30.0);
    benchmark::Shutdown();
    return 0;
}
