// The find bar's search on a 1,000,000-line program: counting every match (case folded, case
// kept, whole words), a search that finds nothing and so reads every line, and the batch of
// Заменить все. Beside them, in the same run, one plain pass over the lines, the least a count
// must read.
#include "ProgramText.h"

#include "editor/buffer/LineStoreOwner.h"
#include "editor/commands/Search.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kLines = 1000000;

TCodeMemoStrings& Program() {
    static TNullLineStoreOwner owner;
    static TCodeMemoStrings lines(owner);
    if (lines.Count() == 0)
        lines.Assign(MakeProgramLines(kLines));
    return lines;
}

void PlainPass(benchmark::State& state) {
    TCodeMemoStrings& lines = Program();
    for (auto _ : state) {
        std::size_t bytes = 0;
        for (int i = 0; i < lines.Count(); ++i)
            bytes += lines.Line(i).size();
        benchmark::DoNotOptimize(bytes);
    }
}

void Count(benchmark::State& state, const char* text, TSearchOptions options) {
    TCodeMemoStrings& lines = Program();
    const TSearchPattern pattern(text, options);
    long long count = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(count = CountMatches(lines, pattern, 0, lines.Count()));
    state.counters["matches"] = static_cast<double>(count);
}

void FindNothing(benchmark::State& state) {
    TCodeMemoStrings& lines = Program();
    const TSearchPattern pattern("zzzz", {});
    for (auto _ : state)
        benchmark::DoNotOptimize(FindNextMatch(lines, pattern, 0, 0));
}

void ReplaceAll(benchmark::State& state) {
    TCodeMemoStrings& lines = Program();
    const TSearchPattern pattern("pause", {});
    for (auto _ : state) {
        long long count = 0;
        benchmark::DoNotOptimize(ReplaceAllSteps(lines, pattern, "wait", count));
    }
}

} // namespace

BENCHMARK(PlainPass)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Count, folded, "pause", TSearchOptions{})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Count, case_kept, "pause", TSearchOptions{true, false})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Count, whole_words, "incd", TSearchOptions{false, true})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(FindNothing)->Unit(benchmark::kMillisecond);
BENCHMARK(ReplaceAll)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
