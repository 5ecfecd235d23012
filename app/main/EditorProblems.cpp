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
#include <iterator>
#include <tuple>

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

// Merges two lists of problems, each by line and start, into one.
std::vector<TCodeProblem> Merged(std::vector<TCodeProblem> a, std::vector<TCodeProblem> b) {
    std::vector<TCodeProblem> out;
    out.reserve(a.size() + b.size());
    std::merge(std::make_move_iterator(a.begin()), std::make_move_iterator(a.end()),
               std::make_move_iterator(b.begin()), std::make_move_iterator(b.end()),
               std::back_inserter(out), [](const TCodeProblem& x, const TCodeProblem& y) {
                   return std::tie(x.Line, x.Start) < std::tie(y.Line, y.Start);
               });
    return out;
}

// The problems of the listing over the lines it was made of, by line and start: each list of
// the listing is in line order, so they are merged rather than sorted.
std::vector<TCodeProblem> ListingProblems(const TProgramListing& listing,
                                          const TCodeMemoStrings& lines) {
    auto add = [&](std::vector<TCodeProblem>& to, int line, int column, TProblemKind kind,
                   std::string message, int width = 0) {
        if (line < 0 || line >= lines.Count())
            return;
        std::string_view text = lines.Line(line);
        const int start = LeadingSpaces(text) + column - 1;
        auto [first, end] = WordSpan(text, start);
        if (width > 0) // an operand: its digits as far as the line goes
            end = std::max(std::min(start + width, static_cast<int>(text.size())), first + 1);
        to.push_back(TCodeProblem{line, first, end, kind, std::move(message)});
    };
    std::vector<TCodeProblem> faults;
    for (const TListingFault& fault : listing.Faults) {
        const TListingEntry& entry = listing.Entries[static_cast<std::size_t>(fault.Entry)];
        std::string_view tidy = TidyLine(lines.Line(entry.Line));
        if (const TCommand* command = RecognizeCommand(tidy))
            add(faults, entry.Line, fault.Column, TProblemKind::Error,
                FaultReason(*command, tidy, fault.Column), 2);
    }
    std::vector<TCodeProblem> gotos;
    for (const TCompileWarning& warning : listing.Warnings)
        add(gotos, warning.Line, warning.Column, TProblemKind::Warning, warning.Message);
    std::vector<TCodeProblem> passedOver;
    passedOver.reserve(listing.PassedOver.size());
    for (const TCompileWarning& warning : listing.PassedOver)
        add(passedOver, warning.Line, warning.Column, TProblemKind::Warning, warning.Message);
    return Merged(Merged(std::move(faults), std::move(gotos)), std::move(passedOver));
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
