// The editor as a compile target.
#include "workbench/MemoCompileTarget.h"

#include "editor/CodeMemo.h"

int TMemoCompileTarget::LineCount() const {
    return FMemo.Lines().Count();
}

std::string_view TMemoCompileTarget::Line(int index) const {
    return FMemo.Lines().Line(index);
}

void TMemoCompileTarget::Clear() {
    FMemo.Lines().Clear();
}

void TMemoCompileTarget::Add(std::string_view text) {
    FMemo.Lines().Add(text);
}

void TMemoCompileTarget::SetCompileMark(int index) {
    FMemo.SetBreakpoint(index, true);
}

std::vector<std::int32_t> TMemoCompileTarget::StripLeadingSpaces() {
    return FMemo.Lines().StripLeadingSpaces();
}
