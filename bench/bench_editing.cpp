// Editing keystrokes in the middle of a 1,000,000-line text, with the change handling that
// follows them (longest line, scroll bars) and no painting. The reference is the same
// insertion of one line into a plain vector of 1,000,000 strings, measured in the same run.
#include "editor/CodeMemo.h"
#include "editor/undo/UndoList.h"
#include "support/FakeHost.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kLines = 1000000;

// A window of the editor's size with a clipboard of its own; nothing is drawn.
struct BenchHost : FakeHost {
    BenchHost() {
        Client = TRect{0, 0, 800, 600};
        KeepRecords = false;
    }
};

std::vector<std::string> ProgramLines(int count) {
    static const char* const commands[] = {"pause_64",  "incd",        "goto_00F5", "portdwrite_0F",
                                           "lcdout_41", "sound_20_10", "nop"};
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        lines.push_back(std::string(static_cast<std::size_t>(i % 3) * 2, ' ') + commands[i % 7] +
                        (i % 11 == 0 ? " // step " + std::to_string(i) : ""));
    return lines;
}

struct Editor {
    BenchHost host;
    TCodeMemo memo{host};
    Editor() {
        memo.Lines().Assign(ProgramLines(kLines));
        memo.SetCurY(kLines / 2);
        memo.SetCurX(4);
    }
    void Key(int key, TShiftState shift, char ch) {
        memo.KeyDown(key, shift);
        if (ch)
            memo.KeyPress(ch);
        memo.KeyUp(key, shift);
    }
};

void BM_TypeCharacter(benchmark::State& state) {
    Editor e;
    for (auto _ : state) {
        e.Key('X', 0, 'x');
        if (e.memo.CurX() > 60) {
            state.PauseTiming();
            e.memo.SetCurY(e.memo.CurY() + 1);
            e.memo.SetCurX(4);
            state.ResumeTiming();
        }
    }
}

void BM_Enter(benchmark::State& state) {
    Editor e;
    for (auto _ : state)
        e.Key(vkReturn, 0, '\r');
}

void BM_Backspace(benchmark::State& state) {
    Editor e;
    for (auto _ : state) {
        // Deletes the byte left of the caret; at column 0 it would join the lines instead.
        if (e.memo.CurX() == 0) {
            state.PauseTiming();
            e.memo.SetCurY(e.memo.CurY() + 1);
            e.memo.SetCurX(e.memo.Lines().LineLength(e.memo.CurY()));
            state.ResumeTiming();
        }
        e.Key(vkBack, 0, '\b');
    }
}

// Backspace at column 0: the line joins the one above.
void BM_BackspaceJoin(benchmark::State& state) {
    Editor e;
    for (auto _ : state) {
        state.PauseTiming();
        // Two lines on, so that each join is of two lines of the original text.
        e.memo.SetCurY(e.memo.CurY() + 2);
        e.memo.SetCurX(0);
        state.ResumeTiming();
        e.Key(vkBack, 0, '\b');
    }
}

void BM_CtrlY(benchmark::State& state) {
    Editor e;
    for (auto _ : state)
        e.Key('Y', ssCtrl, 25);
}

// Pasting a block of state.range(0) lines in the middle of the text.
void BM_PasteLines(benchmark::State& state) {
    Editor e;
    std::string block;
    for (int i = 0; i < state.range(0); ++i)
        block += "  portbwrite_" + std::to_string(i % 100) + "\r\n";
    e.host.OfferClipboard(block);
    for (auto _ : state) {
        e.Key('V', ssCtrl, 22);
        state.PauseTiming();
        e.memo.Undo();
        state.ResumeTiming();
    }
}

// Deleting 100,000 lines selected in the middle of the text.
void BM_Delete100000LineSelection(benchmark::State& state) {
    Editor e;
    int top = e.memo.CurY();
    for (auto _ : state) {
        state.PauseTiming();
        e.memo.SetSelectionBounds(0, top, 0, top + 100000);
        state.ResumeTiming();
        e.Key(vkDelete, 0, 0);
        state.PauseTiming();
        e.memo.Undo();
        state.ResumeTiming();
    }
}

// The reference: one line inserted in the middle of a plain vector of strings.
void BM_ReferenceVectorInsertLine(benchmark::State& state) {
    std::vector<std::string> lines = ProgramLines(kLines);
    for (auto _ : state) {
        lines.insert(lines.begin() + kLines / 2, "nop");
        benchmark::DoNotOptimize(lines.data());
    }
}

} // namespace

BENCHMARK(BM_TypeCharacter)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Enter)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Backspace)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BackspaceJoin)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CtrlY)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PasteLines)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Delete100000LineSelection)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReferenceVectorInsertLine)->Unit(benchmark::kMicrosecond)->Iterations(200);

BENCHMARK_MAIN();
