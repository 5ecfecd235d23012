// The compile target of the workbench: the lines of a code editor, with the
// editor's Breakpoint flag as the compile mark.
#pragma once

#include "compiler/CompileTarget.h"

class TCodeCustomMemo;

class TMemoCompileTarget : public TCompileTarget {
public:
    explicit TMemoCompileTarget(TCodeCustomMemo& memo) : FMemo(memo) {}

    int LineCount() const override;
    std::string_view Line(int index) const override;
    void Clear() override;
    void Add(std::string_view text) override;
    void SetCompileMark(int index) override;
    // In place, by the line store.
    std::vector<std::int32_t> StripLeadingSpaces() override;

private:
    TCodeCustomMemo& FMemo;
};
