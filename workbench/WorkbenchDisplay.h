// The workbench's configuration of the generic editor: the display settings it gives Memo1
// (lavender compile-marked rows, a 60-pixel gutter with four-digit line numbers, a single grey
// border) and the interpreter's command words as the styler's keywords.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class TCodeCustomMemo;
class TCodePascalMemoStyler;

void ConfigureWorkbenchDisplay(TCodeCustomMemo& memo);

// The interpreter's command words, sorted: the keywords of the workbench's styler.
std::vector<std::string> WorkbenchCommandWords();

// True when the word at column (0-based) of that length lies in the mnemonic of the command the
// compile reads on line: a command word in capitals, a second command on a line and a word of a
// comment line are not commands, and are not painted as commands.
bool IsCompiledCommandWord(std::string_view line, int column, int length);

// Configures styler as the workbench's styler with the command words as keywords, painted as
// such only where the compile reads a command.
void ConfigureCommandStyler(TCodePascalMemoStyler& styler);
