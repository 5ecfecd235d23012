// The workbench editor's setup for painting into images.
#include "app/tools/RenderSetup.h"

#include "workbench/WorkbenchDisplay.h"

RenderedEditor::RenderedEditor(int width, int height) : HostWindow(width, height) {
    ConfigureCommandStyler(Styler);
    ConfigureWorkbenchDisplay(Memo);
    Memo.SetSyntaxStyles(&Styler);
}

void RenderedEditor::SetLines(const std::vector<std::string>& lines) {
    Memo.Lines().Clear();
    for (const auto& line : lines)
        Memo.Lines().Add(line);
}
