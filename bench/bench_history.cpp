// The board session's history: Шаг назад at a history of 10^6 and of 10^8 commands beside a
// forward Шаг measured in the same run, the memory the history holds then, and a pause-free run
// with the history recorded beside the bare model running the same loop.
#include "board/BoardSession.h"
#include "compiler/Compiler.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Ports, pins and a jump back; no pause: every command changes something.
const std::vector<std::string> kLoop = {"incd",       "portbwrite_55", "invertb", "onpind_03",
                                        "offpind_03", "decb",          "nop",     "goto_0000"};

constexpr std::uint64_t kRunCommands = 10'000'000;

std::string LoopImage() {
    TCompiledProgram compiled = CompileProgram(kLoop);
    if (!compiled.Result.Succeeded())
        throw std::logic_error("the benchmark loop does not compile");
    return compiled.Program.Image();
}

// A session that has run steps commands at the fastest speed, paused there.
std::unique_ptr<TBoardSession> RunSession(std::uint64_t steps) {
    auto session = std::make_unique<TBoardSession>(LoopImage());
    session->SetSpeed(TRunSpeed::Fastest, 0);
    session->Start(0);
    while (session->Board().Steps() < steps)
        session->Advance(0, std::min<std::uint64_t>(steps - session->Board().Steps(), 1 << 20));
    session->Pause();
    return session;
}

std::map<std::string, double> gBytes;

void StepBack(benchmark::State& state) {
    const auto steps = static_cast<std::uint64_t>(state.range(0));
    auto session = RunSession(steps);
    for (auto _ : state) {
        session->StepBack();
        if (session->Board().Steps() == 0)
            state.SkipWithError("went back to the start");
    }
    gBytes[std::to_string(steps)] = static_cast<double>(session->History().Bytes());
    state.counters["history_MB"] = static_cast<double>(session->History().Bytes()) / (1 << 20);
}

void StepForward(benchmark::State& state) {
    auto session = RunSession(1'000'000);
    for (auto _ : state)
        session->Step();
}

void RecordedRun(benchmark::State& state) {
    TBoardSession session(LoopImage());
    session.SetSpeed(TRunSpeed::Fastest, 0);
    session.Start(0);
    for (auto _ : state)
        session.Advance(0, kRunCommands);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kRunCommands));
}

void BareModel(benchmark::State& state) {
    TBoard board{TBoardProgram(LoopImage())};
    for (auto _ : state)
        board.Run(TRunLimits{kRunCommands, UINT64_MAX, -1});
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kRunCommands));
}

class TReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> Ms, Rate;

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration)
                continue;
            const std::string name = run.benchmark_name();
            Ms[name] = run.real_accumulated_time / static_cast<double>(run.iterations) * 1e3;
            if (auto it = run.counters.find("items_per_second"); it != run.counters.end())
                Rate[name] = it->second.value;
        }
    }
};

} // namespace

BENCHMARK(StepForward)->Name("step_forward")->Unit(benchmark::kMicrosecond);
BENCHMARK(StepBack)->Name("step_back")->Arg(1'000'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(StepBack)
    ->Name("step_back")
    ->Arg(100'000'000)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(2000);
BENCHMARK(RecordedRun)->Name("recorded_run")->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BareModel)->Name("bare_model")->Unit(benchmark::kMillisecond)->MinTime(1.0);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    TReporter r;
    benchmark::RunSpecifiedBenchmarks(&r);
    const double forward = r.Ms["step_forward"];
    std::printf("\n| operation | µs | ratio |\n|---|---|---|\n");
    std::printf("| Шаг forward | %.2f | 1 |\n", forward * 1e3);
    for (const char* steps : {"1000000", "100000000"}) {
        const std::string name = std::string("step_back/") + steps +
                                 (std::string(steps) == "100000000" ? "/iterations:2000" : "");
        std::printf("| Шаг назад at %s steps | %.2f | %.1f × forward; history %.2f MB |\n", steps,
                    r.Ms[name] * 1e3, r.Ms[name] / forward, gBytes[steps] / (1 << 20));
    }
    const double recorded = r.Rate["recorded_run/min_time:1.000"],
                 bare = r.Rate["bare_model/min_time:1.000"];
    std::printf("| pause-free run, recorded | %.1f M/s | bare model / recorded = %.2f |\n",
                recorded / 1e6, recorded > 0 ? bare / recorded : 0.0);
    benchmark::Shutdown();
    return 0;
}
