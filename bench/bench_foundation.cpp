// The compile core on a program of 1,000,000 lines (about 12 MB): reading it into the line
// store, compiling it and saving it, each against the raw cost of reading the same file into
// memory and splitting it into std::vector<std::string> lines, measured in the same run.
// BM_Foundation interleaves the four so that drift of a shared machine hits them alike and
// reports the ratios; the single-phase benchmarks are there for profiling one phase alone.
#include "base/Cp1251.h"
#include "base/FileIO.h"
#include "compiler/Compiler.h"
#include "editor/CodeMemo.h"
#include "editor/NullHost.h"
#include "workbench/MemoCompileTarget.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <malloc.h>
#include <memory>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kLines = 1'000'000;

// A program with the mix of a real one: commands with and without operands, indented lines,
// comments (some Cyrillic), blank lines, now and then a TAB.
std::string GenerateProgram(int lines) {
    std::mt19937 rng(20240601);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    const char* bare[] = {"allond", "alloffd", "incd", "decb", "invertd", "lcdclear",
                          "lcdl1",  "lcdl2",   "nop",  "stop", "allonb",  "outsound"};
    const std::string comments[] = {Utf8ToCp1251("// пауза 1 с"),
                                    Utf8ToCp1251("// мигание"),
                                    "// loop",
                                    Utf8ToCp1251("// бегущий огонь"),
                                    "// LCD line 2",
                                    Utf8ToCp1251("// нота ля")};
    const std::string letter = Utf8ToCp1251("// буква ");
    std::string text;
    text.reserve(static_cast<std::size_t>(lines) * 13);
    char buffer[64];
    for (int i = 0; i < lines; ++i) {
        int kind = pick(100);
        if (kind < 14)
            std::snprintf(buffer, sizeof buffer, "    pause_%02X", pick(256));
        else if (kind < 18)
            std::snprintf(buffer, sizeof buffer, "10xpause_%02x", pick(256));
        else if (kind < 30)
            std::snprintf(buffer, sizeof buffer, "%s", bare[pick(12)]);
        else if (kind < 52)
            std::snprintf(buffer, sizeof buffer, "    %s", bare[pick(12)]);
        else if (kind < 58)
            std::snprintf(buffer, sizeof buffer, "goto_%04X", pick(65536));
        else if (kind < 62)
            std::snprintf(buffer, sizeof buffer, "sound_%02X_%02X", pick(256), pick(256));
        else if (kind < 66)
            std::snprintf(buffer, sizeof buffer, "  portdwrite_%02X", pick(256));
        else if (kind < 70)
            std::snprintf(buffer, sizeof buffer, "lcdout_%02X %s%c", 0x41 + pick(26),
                          letter.c_str(), 'A' + pick(26));
        else if (kind < 82)
            std::snprintf(buffer, sizeof buffer, "%s", comments[pick(6)].c_str());
        else if (kind < 87)
            buffer[0] = '\0';
        else if (kind < 93)
            std::snprintf(buffer, sizeof buffer, "onpind_0%d", pick(8));
        else if (kind < 97)
            std::snprintf(buffer, sizeof buffer, "configd_FF");
        else
            std::snprintf(buffer, sizeof buffer, "\toffpinb_0%d", pick(8));
        text += buffer;
        text += "\r\n";
    }
    return text;
}

// The generated program, written once to a scratch folder removed at exit.
struct Fixture {
    std::string dir;
    std::string program;
    std::string image;
    std::string saved;
    std::size_t fileSize = 0;

    Fixture() {
        char templ[] = "/tmp/tovix-bench.XXXXXX";
        dir = ::mkdtemp(templ);
        program = dir + "/big.tovix";
        image = dir + "/big.bin";
        saved = dir + "/saved.tovix";
        std::string text = GenerateProgram(kLines);
        fileSize = text.size();
        std::FILE* f = std::fopen(program.c_str(), "wb");
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }
    ~Fixture() {
        std::string command = "rm -rf '" + dir + "'";
        [[maybe_unused]] int rc = std::system(command.c_str());
    }
};

Fixture& Data() {
    static Fixture fixture;
    return fixture;
}

// The reference: the file read into memory and split at line ends into plain strings.
std::vector<std::string> RawRead(const std::string& path) {
    std::string bytes;
    if (ReadWholeFile(path, bytes) != 0)
        std::abort();
    std::vector<std::string> lines;
    const char* p = bytes.data();
    const char* end = p + bytes.size();
    while (p < end) {
        const char* nl =
            static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
        const char* stop = nl ? nl : end;
        const char* last = stop > p && stop[-1] == '\r' ? stop - 1 : stop;
        lines.emplace_back(p, static_cast<std::size_t>(last - p));
        p = nl ? nl + 1 : end;
    }
    return lines;
}

struct Editor {
    NullHost host;
    TCodeMemo memo{host};
};

std::unique_ptr<Editor> Loaded(const std::string& path) {
    auto editor = std::make_unique<Editor>();
    editor->memo.Lines().LoadFromFile(path);
    return editor;
}

std::size_t HeapInUse() {
    struct mallinfo2 mi = ::mallinfo2();
    return mi.uordblks + mi.hblkhd;
}

// Wall-clock and processor time of one phase. Processor time leaves out the time other
// processes of a shared machine take the processor away; wall time also counts waiting for
// the disk (the sync of a save).
struct TPhaseTimer {
    std::chrono::steady_clock::time_point Wall = std::chrono::steady_clock::now();
    double Cpu = CpuSeconds();

    static double CpuSeconds() {
        timespec ts;
        ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
        return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
    }
};

// The fastest run of a phase, by either clock.
struct TBest {
    double Wall = 1e9;
    double Cpu = 1e9;

    void Take(const TPhaseTimer& t) {
        Wall = std::min(
            Wall, std::chrono::duration<double>(std::chrono::steady_clock::now() - t.Wall).count());
        Cpu = std::min(Cpu, TPhaseTimer::CpuSeconds() - t.Cpu);
    }
};

void BM_RawRead(benchmark::State& state) {
    Fixture& data = Data();
    for (auto _ : state) {
        auto lines = RawRead(data.program);
        benchmark::DoNotOptimize(lines.data());
        state.PauseTiming();
        lines = {};
        state.ResumeTiming();
    }
}

void BM_LoadFromFile(benchmark::State& state) {
    Fixture& data = Data();
    for (auto _ : state) {
        state.PauseTiming();
        auto editor = std::make_unique<Editor>();
        state.ResumeTiming();
        editor->memo.Lines().LoadFromFile(data.program);
        state.PauseTiming();
        editor.reset();
        state.ResumeTiming();
    }
}

void BM_Compile(benchmark::State& state) {
    Fixture& data = Data();
    for (auto _ : state) {
        state.PauseTiming();
        auto editor = Loaded(data.program);
        TMemoCompileTarget target(editor->memo);
        TCompileCounters counters;
        state.ResumeTiming();
        Compile(target, data.image, counters);
        state.PauseTiming();
        editor.reset();
        state.ResumeTiming();
    }
}

void BM_SaveToFile(benchmark::State& state) {
    Fixture& data = Data();
    auto editor = Loaded(data.program);
    for (auto _ : state)
        editor->memo.Lines().SaveToFile(data.saved);
}

// All four phases in every iteration; the figures are the fastest run of each phase and its
// ratio to the fastest raw read, by processor time (cpu) and wall-clock time (wall), plus
// the loaded store's heap use per byte of the file.
void BM_Foundation(benchmark::State& state) {
    Fixture& data = Data();
    TBest raw, load, compile, save;
    double memory = 0;
    std::int32_t commands = 0;
    for (auto _ : state) {
        TPhaseTimer t;
        auto lines = RawRead(data.program);
        raw.Take(t);
        lines = {};

        auto editor = std::make_unique<Editor>();
        std::size_t before = HeapInUse();
        t = TPhaseTimer();
        editor->memo.Lines().LoadFromFile(data.program);
        load.Take(t);
        memory = static_cast<double>(HeapInUse() - before) / static_cast<double>(data.fileSize);

        t = TPhaseTimer();
        editor->memo.Lines().SaveToFile(data.saved);
        save.Take(t);

        TMemoCompileTarget target(editor->memo);
        TCompileCounters counters;
        t = TPhaseTimer();
        Compile(target, data.image, counters);
        compile.Take(t);
        commands = counters.CommandCount;
        editor.reset();
    }
    state.counters["file_MB"] = static_cast<double>(data.fileSize) / 1e6;
    state.counters["commands"] = commands;
    state.counters["raw_ms"] = raw.Wall * 1e3;
    state.counters["raw_cpu_ms"] = raw.Cpu * 1e3;
    state.counters["load_x"] = load.Cpu / raw.Cpu;
    state.counters["compile_x"] = compile.Cpu / raw.Cpu;
    state.counters["save_x"] = save.Cpu / raw.Cpu;
    state.counters["load_wall_x"] = load.Wall / raw.Wall;
    state.counters["compile_wall_x"] = compile.Wall / raw.Wall;
    state.counters["save_wall_x"] = save.Wall / raw.Wall;
    state.counters["memory_x"] = memory;
}

} // namespace

BENCHMARK(BM_RawRead)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_LoadFromFile)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_Compile)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_SaveToFile)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_Foundation)->Unit(benchmark::kMillisecond)->Iterations(20);

BENCHMARK_MAIN();
