// Program > "Листинг" (Ctrl+L) and the tooltip over a goto's address: both read the listing the
// follower keeps of the editor's text.
#include "app/main/MainWindow.h"

#include "app/listing/JumpNote.h"
#include "app/listing/ListingFollower.h"
#include "app/listing/ListingWindow.h"
#include "compiler/ProgramListing.h"
#include "platform/CodeMemoWidget.h"
#include "platform/HexText.h"

#include <QMenu>

void TMainWindow::ShowListing() {
    if (!FListingWindow) {
        FListingWindow = new TListingWindow(*FListingFollower, Editor(), this);
        connect(FListingWindow, &TListingWindow::LineChosen, this,
                [this](int line) { CaretToLineStart(line); });
        // The Program menu's keys work there as in the main window.
        FListingWindow->addActions(FProgramMenu->actions());
    }
    FListingWindow->ShowCaretLine(Editor().CurY());
    FListingWindow->ShowBeside();
}

QString TMainWindow::GotoToolTip(int line, int column) {
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
    TJumpNote note = JumpNote(listing, memo, entry);
    if (note.Fault)
        return note.Problem;
    const TListingEntry& jump = listing.Entries[static_cast<std::size_t>(entry)];
    QString address = HexText(jump.Bytes[1] * 256 + jump.Bytes[2], 4);
    if (!note.Problem.isEmpty())
        return QString::fromUtf8("Переход на %1: %2").arg(address, note.Problem);
    if (note.TargetLine < 0)
        return QString();
    return QString::fromUtf8("Переход на %1: строка %2, %3")
        .arg(address)
        .arg(note.TargetLine + 1)
        .arg(note.TargetText);
}
