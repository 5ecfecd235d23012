// The end of a command-line tool's standard output: a report that did not reach it (a full
// disk, /dev/full, a closed pipe) must not pass for a success.
#pragma once

#include <string_view>

// Flushes standard output. Returns true when everything written to it got there; otherwise
// says so on standard error as "TOOL: ошибка: не удалось записать стандартный вывод: REASON".
bool StandardOutputWritten(std::string_view tool);
