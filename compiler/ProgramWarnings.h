// The warnings a compile's report adds to its goto warnings: those of the labels and of the
// lines the compile passes over. The image never depends on them.
#pragma once

#include "compiler/Compiler.h"

#include <vector>

// The label and line warnings of text before its tidy step, in line and column order.
std::vector<TCompileWarning> PassedOverWarnings(const TCompileTarget& text);

// Adds more to warnings, keeping line and column order; of two on one place, the one already
// in warnings comes first.
void MergeWarnings(std::vector<TCompileWarning>& warnings, std::vector<TCompileWarning> more);
