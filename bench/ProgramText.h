// A large program text for benchmarks: interpreter commands with line comments and multi-line
// comments spread through it, the same bytes for every editor measured.
#pragma once

#include <string>
#include <vector>

std::vector<std::string> MakeProgramLines(int count);
