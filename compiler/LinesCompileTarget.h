// A compile target over plain lines, for tools without an editor: the lines of a program file
// as ReadTextFile gives them, with a compile mark per line.
#pragma once

#include "compiler/CompileTarget.h"

#include <string>
#include <vector>

class TLinesCompileTarget : public TCompileTarget {
public:
    explicit TLinesCompileTarget(std::vector<std::string> lines);

    int LineCount() const override { return static_cast<int>(FLines.size()); }
    std::string_view Line(int index) const override;
    void Clear() override;
    void Add(std::string_view text) override;
    void SetCompileMark(int index) override;

    bool CompileMark(int index) const { return FMarks[static_cast<std::size_t>(index)]; }

private:
    std::vector<std::string> FLines;
    std::vector<bool> FMarks;
};
