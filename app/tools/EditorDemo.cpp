// A window with the workbench's code editor alone, holding a program file: for trying the
// editor by hand. Usage: tovix-editor [PROGRAM]
#include "compiler/CommandSet.h"
#include "editor/style/CodePasStyler.h"
#include "platform/CodeMemoWidget.h"
#include "platform/ErrorGuard.h"
#include "platform/GuardedApplication.h"
#include "workbench/WorkbenchDisplay.h"

#include <QMainWindow>

int main(int argc, char** argv) {
    GuardedApplication app(argc, argv);
    TCodePascalMemoStyler styler;
    ConfigureCommandStyler(styler);

    QMainWindow window;
    auto* editor = new TCodeMemoWidget(&window); // owned by the window
    ConfigureWorkbenchDisplay(editor->Memo());
    editor->Memo().SetSyntaxStyles(&styler);
    editor->MeasureFont();
    window.setCentralWidget(editor);
    window.setWindowTitle("TOVIX editor");
    window.resize(441, 369);
    if (argc > 1)
        RunGuarded([&] { editor->Memo().Lines().LoadFromFile(argv[1]); });
    window.show();
    editor->setFocus();
    int result = app.exec();
    editor->Memo().SetSyntaxStyles(nullptr);
    return result;
}
