// The tooltip over a command's operands: what they mean on the board ("100 мс", "вывод D.3").
#include "app/main/MainWindow.h"

#include "board/OperandMeaning.h"
#include "editor/CodeMemo.h"

QString TMainWindow::OperandToolTip(int line, int column) {
    TCodeMemo& memo = Editor();
    if (line < 0 || line >= memo.Lines().Count())
        return QString();
    return QString::fromStdString(OperandMeaningAt(memo.Lines().Line(line), column));
}
