// libFuzzer target: arbitrary key streams into the editor. Every step must leave a sound state
// (caret and selection on the text, the length cache in step with the lines), and undoing and
// redoing everything afterwards must too, and must come back to the same text.
#include "EditScript.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void Check(const TCodeCustomMemo& memo, const char* when) {
    std::string problem = CheckState(memo);
    if (!problem.empty()) {
        std::fprintf(stderr, "%s: %s\n%s\n", when, problem.c_str(), GetText(memo).c_str());
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FakeHost host;
    TestMemo memo(host);
    SetText(memo, "  begin\n    pause_64|\n  end\n\nincd  ");
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        std::uint8_t op = data[i];
        std::uint8_t arg = data[i + 1];
        if (op < 160) {
            RunStep(memo, host, op, arg, true);
        } else if (op < 208) {
            // Any key code with any shift state, then its key press.
            int key = arg;
            memo.KeyDown(key, static_cast<TShiftState>(op & 7));
            char ch = static_cast<char>(arg);
            if (op & 8)
                memo.KeyPress(ch);
            memo.KeyUp(key, 0);
        } else if (op < 240) {
            char ch = static_cast<char>(arg);
            memo.KeyPress(ch);
        } else {
            memo.SetUndoLimit(arg % 120);
        }
        Check(memo, "step");
    }
    while (memo.CanRedo())
        memo.Redo();
    std::vector<std::string> end = Canonical(LinesOf(memo));
    while (memo.CanUndo())
        memo.Undo();
    Check(memo, "undo all");
    while (memo.CanRedo())
        memo.Redo();
    Check(memo, "redo all");
    if (Canonical(LinesOf(memo)) != end) {
        std::fprintf(stderr, "redo all gives another text\n");
        std::abort();
    }
    return 0;
}
