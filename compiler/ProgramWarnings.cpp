// The label and line warnings, merged with the compile's own.
#include "compiler/ProgramWarnings.h"

#include "compiler/Labels.h"
#include "compiler/LineLint.h"

#include <algorithm>
#include <iterator>

std::vector<TCompileWarning> PassedOverWarnings(const TCompileTarget& text) {
    std::vector<TCompileWarning> warnings = LabelWarnings(text);
    MergeWarnings(warnings, LintWarnings(text));
    return warnings;
}

void MergeWarnings(std::vector<TCompileWarning>& warnings, std::vector<TCompileWarning> more) {
    auto middle = warnings.insert(warnings.end(), std::make_move_iterator(more.begin()),
                                  std::make_move_iterator(more.end()));
    std::inplace_merge(warnings.begin(), middle, warnings.end(),
                       [](const TCompileWarning& a, const TCompileWarning& b) {
                           return a.Line != b.Line ? a.Line < b.Line : a.Column < b.Column;
                       });
}
