// Program > "Листинг" (Ctrl+L) and the tooltip over a goto's address: both read the listing the
// follower keeps of the editor's text.
#include "app/Unit1.h"

#include "app/ListingFollower.h"
#include "app/ListingWindow.h"
#include "base/Cp1251.h"
#include "compiler/CompileMessages.h"
#include "compiler/ProgramListing.h"
#include "platform/CodeMemoWidget.h"

void TForm1::N18Click() {
    if (!FListingWindow) {
        FListingWindow = new TListingWindow(*FListingFollower, Editor(), this);
        connect(FListingWindow, &TListingWindow::LineChosen, this, [this](int line) {
            if (line >= 0 && line < Editor().Lines().Count())
                CaretToLineStart(line);
        });
    }
    FListingWindow->ShowCaretLine(Editor().CurY());
    FListingWindow->ShowBeside();
}

QString TForm1::GotoToolTip(int line, int column) {
    TCodeMemo& memo = Editor();
    if (line < 0 || line >= memo.Lines().Count())
        return QString();
    std::string_view text = memo.Lines().Line(line);
    std::string_view tidy = TidyLine(text);
    const TCommand* command = RecognizeCommand(tidy);
    if (!command || command->Form != TOperandForm::Address)
        return QString();
    // Over the four digits of the address only.
    int first = static_cast<int>(text.size() - tidy.size()) + command->Operand[0] - 1;
    if (column < first || column >= first + 4)
        return QString();

    FListingFollower->MakeCurrent();
    const TProgramListing& listing = FListingFollower->Listing();
    int entry = listing.EntryOfLine(line);
    if (entry < 0)
        return QString();
    if (const TListingFault* fault = listing.FaultOf(entry))
        return QString::fromStdString(FaultReason(*command, tidy, fault->Column));
    const TListingEntry& jump = listing.Entries[static_cast<std::size_t>(entry)];
    QString address = QStringLiteral("%1")
                          .arg(jump.Bytes[1] * 256 + jump.Bytes[2], 4, 16, QLatin1Char('0'))
                          .toUpper();
    if (const TCompileWarning* warning = listing.WarningOf(line))
        return QString::fromUtf8("Переход на %1: %2")
            .arg(address, QString::fromStdString(warning->Message));
    int target = listing.JumpTargetOf(entry);
    if (target < 0)
        return QString();
    int targetLine = listing.Entries[static_cast<std::size_t>(target)].Line;
    QString targetText =
        QString::fromStdString(Cp1251ToUtf8(TidyLine(memo.Lines().Line(targetLine))));
    return QString::fromUtf8("Переход на %1: строка %2, %3")
        .arg(address)
        .arg(targetLine + 1)
        .arg(targetText);
}
