// The problems of the live listing shown in the editor: after every new listing the faulty
// operands (errors) and the goto, label and passed-over-line warnings become the editor's
// problem ranges, and the tooltip over a range is its message.
#include "app/main/MainWindow.h"

#include "app/listing/ListingFollower.h"
#include "compiler/CompileMessages.h"
#include "compiler/ProgramListing.h"
#include "editor/CodeMemo.h"
#include "platform/CodeMemoWidget.h"

#include <QStringList>

#include <algorithm>

namespace {

int LeadingSpaces(std::string_view line) {
    return static_cast<int>(line.size() - TidyLine(line).size());
}

// The span of the word at byte column start of line: up to a space, ":" or "/" (an address,
// a name, a mnemonic with its operands); one byte at least, within the line.
std::pair<int, int> WordSpan(std::string_view line, int start) {
    const int length = static_cast<int>(line.size());
    start = std::clamp(start, 0, std::max(0, length - 1));
    std::size_t end = line.find_first_of(" :/", static_cast<std::size_t>(start));
    int stop = end == std::string_view::npos ? length : static_cast<int>(end);
    return {start, std::max(stop, std::min(start + 1, length))};
}

std::vector<TCodeProblem> ListingProblems(const TProgramListing& listing,
                                          const TCodeMemoStrings& lines) {
    std::vector<TCodeProblem> problems;
    auto add = [&](int line, int column, TProblemKind kind, std::string message, int width = 0) {
        if (line < 0 || line >= lines.Count())
            return;
        std::string_view text = lines.Line(line);
        const int start = LeadingSpaces(text) + column - 1;
        auto [first, end] = WordSpan(text, start);
        if (width > 0) // an operand: its digits as far as the line goes
            end = std::max(std::min(start + width, static_cast<int>(text.size())), first + 1);
        problems.push_back(TCodeProblem{line, first, end, kind, std::move(message)});
    };
    for (const TListingFault& fault : listing.Faults) {
        const TListingEntry& entry = listing.Entries[static_cast<std::size_t>(fault.Entry)];
        std::string_view tidy = TidyLine(lines.Line(entry.Line));
        if (const TCommand* command = RecognizeCommand(tidy))
            add(entry.Line, fault.Column, TProblemKind::Error,
                FaultReason(*command, tidy, fault.Column), 2);
    }
    for (const TCompileWarning& warning : listing.Warnings)
        add(warning.Line, warning.Column, TProblemKind::Warning, warning.Message);
    for (const TCompileWarning& warning : listing.PassedOver)
        add(warning.Line, warning.Column, TProblemKind::Warning, warning.Message);
    return problems;
}

} // namespace

void TMainWindow::ShowEditorProblems() {
    const TProgramListing& listing = FListingFollower->Listing();
    TCodeMemo& memo = Editor();
    // A listing of an earlier text would put its spans in the wrong places.
    if (!FListingFollower->IsCurrent())
        return;
    memo.SetProblems(ListingProblems(listing, memo.Lines()));
}

QString TMainWindow::ProblemToolTip(int line, int column) {
    QStringList messages;
    for (const TCodeProblem& problem : Editor().Problems().OfLine(line))
        if (problem.Start <= column && column < problem.End)
            messages << QString::fromStdString(problem.Message);
    return messages.join('\n');
}
