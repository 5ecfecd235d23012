// The workbench's editor set up outside the workbench window, for the render tool, pixel tests
// and benchmarks: the workbench's styler and display settings on an image host.
#pragma once

#include "editor/CodeMemo.h"
#include "editor/CodePasStyler.h"
#include "platform/ImageHost.h"

#include <string>
#include <vector>

// The interpreter's command words (the keywords of the workbench's styler).
std::vector<std::string> WorkbenchCommandWords();

struct RenderedEditor {
    ImageHost HostWindow;
    TCodePascalMemoStyler Styler;
    TCodeMemo Memo{HostWindow};

    RenderedEditor(int width = 425, int height = 353);
    // Replaces the text by lines.
    void SetLines(const std::vector<std::string>& lines);
    QImage Paint() { return PaintToImage(Memo); }
};
