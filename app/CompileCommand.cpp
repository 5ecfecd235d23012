// Program > "Компилировать" (F9): compiles the editor's text into the byte image named after the
// program file, marks the compiled lines and reports the result.
#include "app/Unit1.h"

#include "compiler/CompileMessages.h"
#include "compiler/ImageName.h"
#include "compiler/MemoCompileTarget.h"
#include "platform/CodeMemoWidget.h"
#include "platform/Dialogs.h"

#include <QFile>
#include <QListWidget>

namespace {

// True when removing leading spaces would change some line.
bool AnyLineIndented(const TCodeMemoStrings& lines) {
    for (int i = 0; i < lines.Count(); ++i)
        if (lines.Line(i).starts_with(' '))
            return true;
    return false;
}

// The compile takes every line out and adds it back. Only the leading spaces it removes change
// the text, so afterwards the changed flag is what it was, or set when a line lost its indent.
class TChangedFlagKeeper {
public:
    TChangedFlagKeeper(bool& flag, bool textWillChange)
        : FFlag(flag), FValue(flag || textWillChange) {}
    TChangedFlagKeeper(const TChangedFlagKeeper&) = delete;
    TChangedFlagKeeper& operator=(const TChangedFlagKeeper&) = delete;
    ~TChangedFlagKeeper() { FFlag = FValue; }

private:
    bool& FFlag;
    bool FValue;
};

} // namespace

void TForm1::N9Click() {
    TCodeMemo& memo = Editor();
    TChangedFlagKeeper keeper(FProgramChanged, AnyLineIndented(memo.Lines()));
    // The compile keeps its own copy of the lines while it tidies them; the scratch list ends
    // up empty all the same.
    ListBox3->clear();

    TMemoCompileTarget target(memo);
    const std::string image = ImageNameFor(QFile::encodeName(FProgramPath).toStdString());
    const TCompileResult result = Compile(target, image, FCounters);

    if (!result.Succeeded()) {
        // The caret goes to the start of the first faulty line, which stays in view behind the
        // message.
        memo.SetCurY(result.Faults.front().Line);
        memo.SetCurX(0);
        memo.ClearSelection();
        memo.ScrollCaretIntoView();
        Memo1->setFocus();
        FDialogs.ShowMessage(QString::fromStdString(CompileFaultMessage(result.Faults)));
        return;
    }
    if (!result.Warnings.empty()) {
        // A goto that lands wrongly: the caret goes to the start of the first such line.
        memo.SetCurY(result.Warnings.front().Line);
        memo.SetCurX(0);
        memo.ClearSelection();
        memo.ScrollCaretIntoView();
        Memo1->setFocus();
    }
    FDialogs.ShowMessage(
        QString::fromStdString(CompletionMessage(FCounters.CommandCount, result.Warnings)));
}
