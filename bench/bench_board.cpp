// The board model's speed on a loop without pauses: commands per second of TBoard::Run, beside
// a plain C++ byte loop (a minimal switch interpreter decoding the same image as it goes, with
// the same ports and time) measured in the same run. The table at the end gives the ratio.
#include "board/Board.h"
#include "compiler/CommandSet.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Ports, pins and a jump back; no pause, no LCD, no sound.
const std::vector<std::string> kLoop = {"incd",       "portbwrite_55", "invertb", "onpind_03",
                                        "offpind_03", "decb",          "nop",     "goto_0000"};

constexpr std::int64_t kCommandsPerIteration = 10'000'000;

TBoardProgram LoopProgram() {
    TCompiledProgram compiled = CompileProgram(kLoop);
    if (!compiled.Result.Succeeded())
        throw std::logic_error("the benchmark loop does not compile");
    return std::move(compiled.Program);
}

void BM_Model(benchmark::State& state) {
    TBoard board(LoopProgram());
    for (auto _ : state) {
        board.Run(TRunLimits{static_cast<std::uint64_t>(kCommandsPerIteration), UINT64_MAX, -1});
        benchmark::DoNotOptimize(board.State().Port);
    }
    state.SetItemsProcessed(state.iterations() * kCommandsPerIteration);
}

// The plain loop's own opcode map, taken from the command table.
enum TPlain : std::uint8_t { pOther, pInc, pDec, pInvert, pWrite, pOnPin, pOffPin, pNop, pGoto };

std::array<TPlain, 256> PlainMap() {
    const std::map<std::string_view, TPlain> kinds = {
        {"incd", pInc},     {"decb", pDec},       {"invertb", pInvert}, {"portbwrite", pWrite},
        {"onpind", pOnPin}, {"offpind", pOffPin}, {"nop", pNop},        {"goto", pGoto}};
    std::array<TPlain, 256> map{};
    for (const TCommand& command : CommandTable())
        if (auto k = kinds.find(command.Mnemonic); k != kinds.end())
            map[command.Opcode] = k->second;
    return map;
}

void BM_PlainLoop(benchmark::State& state) {
    const std::string image = LoopProgram().Image();
    const std::array<TPlain, 256> map = PlainMap();
    const auto* code = reinterpret_cast<const std::uint8_t*>(image.data());
    std::uint8_t portd = 0, portb = 0;
    std::uint64_t time = 0;
    std::size_t pc = 0;
    for (auto _ : state) {
        for (std::int64_t n = 0; n < kCommandsPerIteration; ++n) {
            switch (map[code[pc]]) {
            case pInc:
                ++portd, ++pc, time += 100;
                break;
            case pDec:
                --portb, ++pc, time += 100;
                break;
            case pInvert:
                portb = static_cast<std::uint8_t>(~portb), ++pc, time += 100;
                break;
            case pWrite:
                portb = code[pc + 1], pc += 2, time += 200;
                break;
            case pOnPin:
                portd |= static_cast<std::uint8_t>(1u << (code[pc + 1] & 7)), pc += 2, time += 200;
                break;
            case pOffPin:
                portd &= static_cast<std::uint8_t>(~(1u << (code[pc + 1] & 7))), pc += 2,
                    time += 200;
                break;
            case pNop:
                ++pc, time += 100;
                break;
            case pGoto:
                pc = static_cast<std::size_t>(code[pc + 1] << 8 | code[pc + 2]), time += 300;
                break;
            case pOther:
                ++pc;
                break;
            }
        }
        benchmark::DoNotOptimize(portd);
        benchmark::DoNotOptimize(portb);
        benchmark::DoNotOptimize(time);
    }
    state.SetItemsProcessed(state.iterations() * kCommandsPerIteration);
}

BENCHMARK(BM_Model)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_PlainLoop)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// The console output, keeping each benchmark's commands per second for the table.
class TRateReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> Rate;

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                if (auto it = run.counters.find("items_per_second"); it != run.counters.end())
                    Rate[run.benchmark_name().substr(0, run.benchmark_name().find('/'))] =
                        it->second.value;
    }
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    TRateReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    double model = reporter.Rate["BM_Model"], plain = reporter.Rate["BM_PlainLoop"];
    std::printf("\n| loop without pauses | million commands/s |\n|---|---|\n"
                "| board model (TBoard::Run) | %.1f |\n| plain C++ byte loop | %.1f |\n"
                "| model / plain loop | %.2f |\n",
                model / 1e6, plain / 1e6, plain > 0 ? model / plain : 0.0);
    benchmark::Shutdown();
    return 0;
}
