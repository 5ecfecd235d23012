// The workbench editor's setup for painting into images.
#include "platform/RenderSetup.h"

#include "editor/WorkbenchDisplay.h"

std::vector<std::string> WorkbenchCommandWords() {
    return {"nop",    "stop",     "reset",    "goto",     "pause",      "10xpause",
            "incd",   "decd",     "incb",     "decb",     "allond",     "alloffd",
            "allonb", "alloffb",  "invertd",  "invertb",  "onpind",     "offpind",
            "onpinb", "offpinb",  "configd",  "configb",  "portdwrite", "portbwrite",
            "sound",  "outsound", "initlcdd", "initlcdb", "lcdclear",   "lcdl1",
            "lcdl2",  "lcdl3",    "lcdl4",    "lcdleft",  "lcdright",   "lcdout"};
}

RenderedEditor::RenderedEditor(int width, int height) : HostWindow(width, height) {
    ConfigureWorkbenchStyler(Styler, WorkbenchCommandWords());
    ConfigureWorkbenchDisplay(Memo);
    Memo.SetSyntaxStyles(&Styler);
}

void RenderedEditor::SetLines(const std::vector<std::string>& lines) {
    Memo.Lines().Clear();
    for (const auto& line : lines)
        Memo.Lines().Add(line);
}
