// Program > "Листинг" (Ctrl+L), the tooltip over a goto's address and label, and the way to the
// line a goto leads to (F12, Ctrl+click): they read the listing the follower keeps of the
// editor's text.
#include "app/main/MainWindow.h"

#include "app/listing/JumpNote.h"
#include "app/listing/ListingFollower.h"
#include "app/listing/ListingWindow.h"
#include "base/Cp1251.h"
#include "compiler/ProgramListing.h"
#include "platform/CodeMemoWidget.h"
#include "platform/HexText.h"
#include "workbench/JumpEdits.h"

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
    // Over the four digits of the address, or the name of the label after them.
    const TJumpOperandHit hit = JumpOperandAt(memo.Lines().Line(line), column);
    if (!hit.Any())
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
    QString tip = QString::fromUtf8("Переход на %1: строка %2, %3")
                      .arg(address)
                      .arg(note.TargetLine + 1)
                      .arg(note.TargetText);
    if (hit.Label)
        tip += QString::fromUtf8(" (метка %1)")
                   .arg(QString::fromStdString(Cp1251ToUtf8(hit.Label->Name)));
    return tip;
}

void TMainWindow::GoToJumpTarget() {
    GoToJumpTargetAt(Editor().CurY(), Editor().CurX());
}

void TMainWindow::GoToJumpTargetAt(int line, int column) {
    FListingFollower->MakeCurrent();
    if (std::optional<int> target =
            JumpTargetLine(Editor(), FListingFollower->Listing(), line, column))
        CaretToLineStart(*target);
}
