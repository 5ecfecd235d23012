// Program > "Модель платы" (Ctrl+F9) and "Точка остановки" (Ctrl+B): the board window, and the
// stop points its runs pause at, kept as gutter markers on the editor's lines.
#include "app/Unit1.h"

#include "app/BoardWindow.h"
#include "platform/CodeMemoWidget.h"

#include <QMenu>

void TForm1::N19Click() {
    if (!FBoardWindow) {
        FBoardWindow = new TBoardWindow(Editor(), this);
        connect(FBoardWindow, &TBoardWindow::LineChosen, this,
                [this](int line) { CaretToLineStart(line); });
        // The Program menu's keys work there as in the main window.
        FBoardWindow->addActions(N3->actions());
    }
    FBoardWindow->ShowBeside();
}

void TForm1::N20Click() {
    ToggleStopPoint(Editor(), Editor().CurY());
    Memo1->update();
    if (FBoardWindow)
        FBoardWindow->StopPointsChanged();
}

void TForm1::ForgetStopPoints() {
    Editor().MarkerList().Markers().clear();
    if (FBoardWindow)
        FBoardWindow->StopPointsChanged();
}

void TForm1::ResetBoardWindow() {
    if (FBoardWindow)
        FBoardWindow->ProgramReplaced(Memo1->isEnabled());
}
