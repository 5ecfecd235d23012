// Program > "Перейти к адресу" (Ctrl+G): asks for a byte offset of the image and puts the caret
// at the start of the line of the command that holds it. It reads the listing the follower keeps
// of the text: no image is written and the compile marks stay as they are.
#include "app/main/MainWindow.h"

#include "app/listing/ListingFollower.h"
#include "compiler/GotoCheck.h"
#include "compiler/ProgramListing.h"
#include "platform/Dialogs.h"
#include "platform/HexText.h"

void TMainWindow::GoToAddress() {
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

    FListingFollower->MakeCurrent();
    const TProgramListing& listing = FListingFollower->Listing();
    const TCompileCounters& counters = listing.Counters;
    const TListingEntry* command = CommandAt(listing.Entries, counters.ProgramSize, *offset);
    if (!command) {
        FDialogs.ShowMessage(
            QString::fromUtf8("Адрес %1 лежит за концом программы: её размер %2 байт (0000–%3).")
                .arg(HexText(*offset, 4))
                .arg(counters.ProgramSize)
                .arg(HexText(std::max(0, counters.ProgramSize - 1), 4)));
        return;
    }
    CaretToLineStart(command->Line);
}
