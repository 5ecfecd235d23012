// The workbench's editor set up outside the workbench window, for the render tool, pixel tests
// and benchmarks: the workbench's styler and display settings on an image host.
#pragma once

#include "editor/CodeMemo.h"
#include "editor/style/CodePasStyler.h"
#include "platform/ImageHost.h"
#include "workbench/WorkbenchDisplay.h"

#include <string>
#include <vector>

struct RenderedEditor {
    ImageHost HostWindow;
    TCodePascalMemoStyler Styler;
    TCodeMemo Memo{HostWindow};

    RenderedEditor(int width = 425, int height = 353);
    // Replaces the text by lines.
    void SetLines(const std::vector<std::string>& lines);
    QImage Paint() { return PaintToImage(Memo); }
};
