// Plain lines as a compile target.
#include "compiler/LinesCompileTarget.h"

TLinesCompileTarget::TLinesCompileTarget(std::vector<std::string> lines)
    : FLines(std::move(lines)), FMarks(FLines.size(), false) {}

std::string_view TLinesCompileTarget::Line(int index) const {
    return FLines.at(static_cast<std::size_t>(index));
}

void TLinesCompileTarget::Clear() {
    FLines.clear();
    FMarks.clear();
}

void TLinesCompileTarget::Add(std::string_view text) {
    FLines.emplace_back(text);
    FMarks.push_back(false);
}

void TLinesCompileTarget::SetCompileMark(int index) {
    FMarks.at(static_cast<std::size_t>(index)) = true;
}
