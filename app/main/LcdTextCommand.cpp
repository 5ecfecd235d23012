// Program > "Вставить текст для ЖКИ…": the dialog's lines go in above the caret's line, with
// its indent, as one undo step; the caret stays on its line, below them.
#include "app/main/LcdTextDialog.h"
#include "app/main/MainWindow.h"

#include "compiler/ProgramListing.h"
#include "editor/CodeMemo.h"
#include "platform/CodeMemoWidget.h"
#include "platform/Dialogs.h"

void TMainWindow::InsertLcdText() {
    TLcdTextDialog dialog(this);
    if (!FDialogs.RunModal(dialog) || dialog.Lines().empty())
        return;
    TCodeMemo& memo = Editor();
    memo.ClampCaretLine();
    const int y = memo.CurY();
    const std::string_view caretLine = memo.Lines().Line(y);
    const std::string indent(caretLine.size() - TidyLine(caretLine).size(), ' ');
    std::string text;
    for (const std::string& line : dialog.Lines())
        text += indent + line + "\r\n";
    TCaretSelection atLineStart;
    atLineStart.CollapseTo({0, y});
    memo.SetCaretSelection(atLineStart);
    // One edit, one undo record.
    memo.InsertText(text);
    FEditor->setFocus();
}
