// The problems of the live listing shown in the editor: after every new listing the faulty
// operands (errors) and the goto, label and passed-over-line warnings become the editor's
// problem ranges (the operand, the address digits, the name or the word flagged), and the
// tooltip over a range is its message.
#include "app/main/EditorProblems.h"

#include "app/main/MainWindow.h"

#include "app/listing/ListingFollower.h"
#include "compiler/CompileMessages.h"
#include "compiler/ProgramListing.h"
#include "editor/CodeMemo.h"
#include "platform/CodeMemoWidget.h"

#include <QElapsedTimer>
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

} // namespace

TEditorProblems::TEditorProblems(TCodeCustomMemo& memo, TListingFollower& follower)
    : FMemo(memo), FFollower(follower) {
    FSlice.setSingleShot(true);
    FSlice.setInterval(0);
    QObject::connect(&FSlice, &QTimer::timeout, [this] { Slice(); });
}

void TEditorProblems::Start() {
    Stop();
    Slice();
}

void TEditorProblems::Stop() {
    FSlice.stop();
    for (int k = 0; k < 3; ++k) {
        FNext[k] = 0;
        FMade[k].clear();
    }
}

void TEditorProblems::Slice() {
    // A listing of an earlier text would put its spans in the wrong places.
    if (!FFollower.IsCurrent()) {
        Stop();
        return;
    }
    QElapsedTimer clock;
    clock.start();
    while (!Continue(kProblemsPerStep)) {
        if (clock.elapsed() >= kSliceMs) {
            FSlice.start();
            return;
        }
    }
    // Each list is in line order: merged rather than sorted.
    std::vector<TCodeProblem> problems =
        Merged(Merged(std::move(FMade[0]), std::move(FMade[1])), std::move(FMade[2]));
    Stop();
    FMemo.SetProblems(std::move(problems));
}

bool TEditorProblems::Continue(int count) {
    const TProgramListing& listing = FFollower.Listing();
    const TCodeMemoStrings& lines = FMemo.Lines();
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
    for (; count > 0 && FNext[0] < listing.Faults.size(); --count) {
        const TListingFault& fault = listing.Faults[FNext[0]++];
        const TListingEntry& entry = listing.Entries[static_cast<std::size_t>(fault.Entry)];
        std::string_view tidy = TidyLine(lines.Line(entry.Line));
        if (const TCommand* command = RecognizeCommand(tidy))
            add(FMade[0], entry.Line, fault.Column, TProblemKind::Error,
                FaultReason(*command, tidy, fault.Column), 2);
    }
    for (; count > 0 && FNext[1] < listing.Warnings.size(); --count) {
        const TCompileWarning& warning = listing.Warnings[FNext[1]++];
        add(FMade[1], warning.Line, warning.Column, TProblemKind::Warning, warning.Message);
    }
    for (; count > 0 && FNext[2] < listing.PassedOver.size(); --count) {
        const TCompileWarning& warning = listing.PassedOver[FNext[2]++];
        add(FMade[2], warning.Line, warning.Column, TProblemKind::Warning, warning.Message);
    }
    return FNext[0] == listing.Faults.size() && FNext[1] == listing.Warnings.size() &&
           FNext[2] == listing.PassedOver.size();
}

QString TMainWindow::ProblemToolTip(int line, int column) {
    QStringList messages;
    for (const TCodeProblem& problem : Editor().Problems().OfLine(line))
        if (problem.Start <= column && column < problem.End)
            messages << QString::fromStdString(problem.Message);
    return messages.join('\n');
}
