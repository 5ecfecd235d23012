// Program > "Перейти к адресу" (Ctrl+G): asks for a byte offset of the image and puts the caret
// at the start of the line of the command that holds it. It reads the listing the follower keeps
// of the text: no image is written and the compile marks stay as they are.
#include "app/Unit1.h"

#include "app/ListingFollower.h"
#include "compiler/GotoCheck.h"
#include "compiler/ProgramListing.h"
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

    FListingFollower->MakeCurrent();
    const TProgramListing& listing = FListingFollower->Listing();
    const TCompileCounters& counters = listing.Counters;
    const TListingEntry* command = CommandAt(listing.Entries, counters.ProgramSize, *offset);
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
