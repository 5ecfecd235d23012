// The Pascal styler with its defaults, and the configuration of the one styler this workbench
// binds to its editor: the interpreter's command words as keywords, "x" and "_" as symbols,
// Pascal comments and black numbers.
#pragma once

#include "editor/style/CodeStyleIF.h"

#include <string>
#include <vector>

class TCodePascalMemoStyler : public TCodeCustomMemoStyler {
public:
    TCodePascalMemoStyler();
    std::string Version() const { return "2.0"; }
};

// Configures styler as the workbench's styler. commandWords are the interpreter's command
// mnemonics (the command table's); they become the keywords of the first style, stored sorted.
void ConfigureWorkbenchStyler(TCodePascalMemoStyler& styler,
                              const std::vector<std::string>& commandWords);
