// Program > "Перейти к адресу" (Ctrl+G): asks for a byte offset of the image and puts the caret
// at the start of the line of the command that holds it. The program is compiled in memory for
// this: no image is written and the compile marks stay as they are.
#include "app/Unit1.h"

#include "compiler/Compiler.h"
#include "compiler/GotoCheck.h"
#include "compiler/LinesCompileTarget.h"
#include "platform/CodeMemoWidget.h"
#include "platform/Dialogs.h"

namespace {

QString Hex4(int value) {
    return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0')).toUpper();
}

} // namespace

void TForm1::N16Click() {
    const std::optional<QString> typed =
        FDialogs.AskText(QString::fromUtf8("Адрес команды (шестнадцатеричный, 0000–FFFF):"));
    if (!typed)
        return;
    const std::optional<int> offset = ParseAddress(typed->toStdString());
    if (!offset) {
        FDialogs.ShowMessage(
            QString::fromUtf8("Адрес пишется шестнадцатеричными цифрами, от 0000 до FFFF: ") +
            *typed);
        return;
    }

    TCodeMemo& memo = Editor();
    TLinesCompileTarget target(memo.Lines().ToVector());
    std::string image;
    TCompileCounters counters;
    std::vector<TListingEntry> listing;
    CompileToBytes(target, image, counters, &listing);
    const TListingEntry* command = CommandAt(listing, counters.ProgramSize, *offset);
    if (!command) {
        FDialogs.ShowMessage(
            QString::fromUtf8("Адрес %1 лежит за концом программы: её размер %2 байт (0000–%3).")
                .arg(Hex4(*offset))
                .arg(counters.ProgramSize)
                .arg(Hex4(std::max(0, counters.ProgramSize - 1))));
        return;
    }
    CaretToLineStart(command->Line);
}
