// Program > "Модель платы" (Ctrl+F9) and "Точка остановки" (Ctrl+B): the board window, and the
// stop points its runs pause at, kept as gutter markers on the editor's lines.
#include "app/main/MainWindow.h"

#include "app/board/BoardWindow.h"
#include "platform/CodeMemoWidget.h"
#include "workbench/JumpEdits.h"

#include <QMenu>

void TMainWindow::ShowBoard() {
    if (!FBoardWindow) {
        FBoardWindow = new TBoardWindow(Editor(), this);
        connect(FBoardWindow, &TBoardWindow::LineChosen, this,
                [this](int line) { CaretToLineStart(line); });
        // A new run compiles the text as F9 does: labelled gotos are put right first.
        FBoardWindow->SetBeforeRun([this] { UpdateJumpAddresses(Editor()); });
        // The Program menu's keys work there as in the main window.
        FBoardWindow->addActions(FProgramMenu->actions());
    }
    FBoardWindow->ShowBeside();
}

void TMainWindow::ToggleStopPointAtCaret() {
    ToggleStopPoint(Editor(), Editor().CurY());
    FEditor->update();
    if (FBoardWindow)
        FBoardWindow->StopPointsChanged();
}

void TMainWindow::ForgetStopPoints() {
    Editor().MarkerList().Markers().clear();
    if (FBoardWindow)
        FBoardWindow->StopPointsChanged();
}

void TMainWindow::ResetBoardWindow() {
    if (FBoardWindow)
        FBoardWindow->ProgramReplaced(FProgram.Open);
}
