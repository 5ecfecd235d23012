// The workbench's configuration of the generic editor: the display settings it gives Memo1
// (lavender compile-marked rows, a 60-pixel gutter with four-digit line numbers, a single grey
// border) and the interpreter's command words as the styler's keywords.
#pragma once

#include <string>
#include <vector>

class TCodeCustomMemo;

void ConfigureWorkbenchDisplay(TCodeCustomMemo& memo);

// The interpreter's command words, sorted: the keywords of the workbench's styler.
std::vector<std::string> WorkbenchCommandWords();
