// The note of a listing entry, read from the listing and the editor's live lines.
#include "app/listing/JumpNote.h"

#include "base/Cp1251.h"
#include "compiler/CompileMessages.h"
#include "compiler/ProgramListing.h"
#include "editor/CodeMemo.h"

namespace {

std::string_view TidyLineOf(const TCodeCustomMemo& memo, int line) {
    if (line < 0 || line >= memo.Lines().Count())
        return {};
    return TidyLine(memo.Lines().Line(line));
}

} // namespace

TJumpNote JumpNote(const TProgramListing& listing, const TCodeCustomMemo& memo, int entry) {
    TJumpNote note;
    const TListingEntry& e = listing.Entries[static_cast<std::size_t>(entry)];
    if (const TListingFault* fault = listing.FaultOf(entry)) {
        std::string_view tidy = TidyLineOf(memo, e.Line);
        if (const TCommand* command = RecognizeCommand(tidy)) {
            note.Fault = true;
            note.Problem = QString::fromStdString(FaultReason(*command, tidy, fault->Column));
        }
        return note;
    }
    if (const TCompileWarning* warning = listing.WarningOf(e.Line)) {
        note.Problem = QString::fromStdString(warning->Message);
        return note;
    }
    int target = listing.JumpTargetOf(entry);
    if (target >= 0) {
        note.TargetLine = listing.Entries[static_cast<std::size_t>(target)].Line;
        note.TargetText = QString::fromStdString(Cp1251ToUtf8(TidyLineOf(memo, note.TargetLine)));
    }
    return note;
}
