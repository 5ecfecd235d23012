// The run line's marks in the editor.
#include "workbench/RunLine.h"

#include "editor/CodeMemo.h"

#include <algorithm>

void TRunLineMarks::Show(int line) {
    if (line == FShown)
        return;
    FShown = line;
    // The last row in view may show only part of its line: the line goes to the middle then.
    const int rows = FMemo.VisibleRows();
    if (line >= 0 && (line < FMemo.TopLine() || line >= FMemo.TopLine() + rows - 1))
        FMemo.SetTopLine(std::max(0, line - rows / 2));
    TCodeActiveLineSettings& settings = FMemo.ActiveLineSettings();
    settings.SetShowActiveLine(line >= 0);
    settings.SetShowActiveLineIndicator(line >= 0);
    // The next command's line stays visible on a line the compile has marked.
    settings.SetActiveLineOverBreakpoint(line >= 0);
    FMemo.SetActiveLine(line);
    FMemo.Invalidate();
}
