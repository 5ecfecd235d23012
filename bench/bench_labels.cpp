// Putting labelled gotos right in a 1,000,000-line program with 100,000 stale labelled gotos, as
// F9 does in the workbench: FindJumpRewrites over the editor's lines and the rewrite as one
// batch edit in the editor (one undo step). Measured beside, in the same run: one plain pass
// over the editor's lines (the least any rewrite must read), and FindJumpRewrites alone over
// plain strings.
#include "compiler/Labels.h"
#include "compiler/LinesCompileTarget.h"
#include "compiler/ProgramListing.h"
#include "editor/CodeMemo.h"
#include "support/FakeHost.h"
#include "workbench/JumpEdits.h"
#include "workbench/MemoCompileTarget.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

constexpr int kLines = 1000000;
constexpr int kJumps = 100000;
constexpr int kLabels = 1000;

// kLabels labels, each above a pause (two bytes), then kJumps gotos naming them with the stale
// address 0000, each followed by commands and comments, padded with comments to kLines.
std::vector<std::string> LabelledProgram() {
    std::vector<std::string> lines;
    lines.reserve(kLines);
    for (int k = 0; k < kLabels; ++k) {
        lines.push_back("L" + std::to_string(k) + ":");
        lines.push_back("    pause_64");
    }
    static const char* const filler[] = {"    incd // step",
                                         "// the next steps",
                                         "    portdwrite_0F",
                                         "    lcdout_41",
                                         "    // a comment",
                                         "    sound_20_10",
                                         "nop",
                                         "// and so on"};
    for (int j = 0; j < kJumps; ++j) {
        lines.push_back("goto_0000 L" + std::to_string(j % (kLabels - 1) + 1) + " // back");
        for (const char* line : filler)
            lines.push_back(line);
    }
    while (static_cast<int>(lines.size()) < kLines)
        lines.push_back("// end");
    return lines;
}

struct BenchHost : FakeHost {
    BenchHost() {
        Client = TRect{0, 0, 800, 600};
        KeepRecords = false;
    }
};

void BM_UpdateJumpsInEditor(benchmark::State& state) {
    BenchHost host;
    TCodeMemo memo(host);
    memo.Lines().Assign(LabelledProgram());
    for (auto _ : state) {
        std::vector<TJumpRewrite> rewrites = UpdateJumpAddresses(memo);
        state.PauseTiming();
        if (rewrites.size() != kJumps)
            state.SkipWithError("not every goto was rewritten");
        memo.Undo(); // the stale addresses again, for the next round
        state.ResumeTiming();
    }
}

void BM_ReferencePlainPassOverEditorLines(benchmark::State& state) {
    BenchHost host;
    TCodeMemo memo(host);
    memo.Lines().Assign(LabelledProgram());
    TMemoCompileTarget target(memo);
    for (auto _ : state) {
        std::size_t gotos = 0;
        for (int i = 0; i < target.LineCount(); ++i)
            gotos += TidyLine(target.Line(i)).starts_with("goto_");
        benchmark::DoNotOptimize(gotos);
    }
}

void BM_FindJumpRewritesOverStrings(benchmark::State& state) {
    const std::vector<std::string> lines = LabelledProgram();
    TLinesCompileTarget target(lines);
    for (auto _ : state)
        benchmark::DoNotOptimize(FindJumpRewrites(target));
}

} // namespace

BENCHMARK(BM_UpdateJumpsInEditor)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ReferencePlainPassOverEditorLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindJumpRewritesOverStrings)->Unit(benchmark::kMillisecond)->Iterations(5);

BENCHMARK_MAIN();
