// The listing builder and the one reading of a command line shared with the compile.
#include "compiler/ProgramListing.h"

#include "compiler/GotoCheck.h"
#include "compiler/ImageWriter.h"
#include "compiler/LineLint.h"
#include "compiler/ProgramWarnings.h"

#include <algorithm>
#include <climits>
#include <span>
#include <tuple>

namespace {

// The characters of line at the 1-based positions pos and pos + 1, as far as the line goes,
// with upper-case letters made lower-case.
std::string_view OperandText(std::string_view line, int pos, char (&buffer)[2]) {
    std::size_t start = static_cast<std::size_t>(pos - 1);
    std::size_t n = start < line.size() ? std::min<std::size_t>(2, line.size() - start) : 0;
    for (std::size_t i = 0; i < n; ++i) {
        char c = line[start + i];
        buffer[i] = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return std::string_view(buffer, n);
}

} // namespace

std::string_view TidyLine(std::string_view line) {
    std::size_t first = line.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view() : line.substr(first);
}

const TCommand* ListCommand(std::string_view tidyLine, TListingEntry& entry, int& faultColumn) {
    const TCommand* command = RecognizeCommand(tidyLine);
    if (!command)
        return nullptr;
    faultColumn = 0;
    entry.Bytes = {};
    entry.ByteCount = 0;
    entry.Bytes[static_cast<std::size_t>(entry.ByteCount++)] = command->Opcode;
    for (int k = 0; k < command->OperandCount(); ++k) {
        char buffer[2];
        int pos = command->Operand[static_cast<std::size_t>(k)];
        int value = HexPairValue(OperandText(tidyLine, pos, buffer));
        if (value >= 0)
            entry.Bytes[static_cast<std::size_t>(entry.ByteCount++)] =
                static_cast<std::uint8_t>(value);
        else if (faultColumn == 0)
            faultColumn = pos;
    }
    return command;
}

int TProgramListing::EntryOfLine(int line) const {
    auto it = std::lower_bound(Entries.begin(), Entries.end(), line,
                               [](const TListingEntry& e, int at) { return e.Line < at; });
    return it != Entries.end() && it->Line == line ? static_cast<int>(it - Entries.begin()) : -1;
}

const TListingFault* TProgramListing::FaultOf(int entry) const {
    auto it = std::lower_bound(Faults.begin(), Faults.end(), entry,
                               [](const TListingFault& f, int at) { return f.Entry < at; });
    return it != Faults.end() && it->Entry == entry ? &*it : nullptr;
}

const TCompileWarning* TProgramListing::WarningOf(int line) const {
    auto it = std::lower_bound(Warnings.begin(), Warnings.end(), line,
                               [](const TCompileWarning& w, int at) { return w.Line < at; });
    return it != Warnings.end() && it->Line == line ? &*it : nullptr;
}

std::span<const TCompileWarning> TProgramListing::PassedOverOf(int line) const {
    auto less = [](const TCompileWarning& w, int at) { return w.Line < at; };
    auto first = std::lower_bound(PassedOver.begin(), PassedOver.end(), line, less);
    auto last = std::lower_bound(first, PassedOver.end(), line + 1, less);
    return {first, last};
}

const TLabel* TProgramListing::LabelOf(int line) const {
    auto it = std::lower_bound(Labels.begin(), Labels.end(), line,
                               [](const TLabel& l, int at) { return l.Line < at; });
    return it != Labels.end() && it->Line == line ? &*it : nullptr;
}

int TProgramListing::JumpTargetOf(int entry) const {
    if (entry < 0 || static_cast<std::size_t>(entry) >= Entries.size())
        return -1;
    static const TCommand& jump = *RecognizeCommand("goto");
    const TListingEntry& e = Entries[static_cast<std::size_t>(entry)];
    if (e.Bytes[0] != jump.Opcode || e.ByteCount != jump.Size || WarningOf(e.Line))
        return -1;
    const TListingEntry* target =
        CommandAt(Entries, Counters.ProgramSize, e.Bytes[1] * 256 + e.Bytes[2]);
    return target ? static_cast<int>(target - Entries.data()) : -1;
}

void TListingBuilder::Restart() {
    FListing = TProgramListing{};
    FLabels = TLabelScan{};
    FLabelWarnings = TLabelWarningBuilder{};
    FLint.clear();
    FMergeFrom = {};
    FMerged = {};
    FNextLine = 0;
    FLinesDone = false;
    FLabelsDone = false;
    FDone = false;
}

bool TListingBuilder::Continue(const TCompileTarget& text, int maxLines) {
    if (FDone)
        return true;
    TCompileCounters& counters = FListing.Counters;
    if (!FLinesDone) {
        const int count = text.LineCount();
        const int first = FNextLine;
        const int end = first + std::min(maxLines, count - first);
        // Growing by copies of a million entries would make one piece long.
        if (first == 0)
            FListing.Entries.reserve(static_cast<std::size_t>(count));
        const std::size_t labelsBefore = FLabels.Labels.size();
        for (int i = first; i < end; ++i) {
            TListingEntry entry{counters.ProgramSize, i, {}, 0};
            int faultColumn = 0;
            const std::string_view line = text.Line(i);
            const std::string_view tidy = TidyLine(line);
            const int indent = static_cast<int>(line.size() - tidy.size());
            const TCommand* command = ListCommand(tidy, entry, faultColumn);
            ScanLabelLine(FLabels, i, tidy, indent, command);
            if (auto finding = LintLine(line))
                FLint.push_back(TCompileWarning{i, std::string(tidy), finding->Column, indent,
                                                std::move(finding->Message)});
            if (!command)
                continue;
            if (faultColumn != 0)
                FListing.Faults.push_back(
                    TListingFault{static_cast<int>(FListing.Entries.size()), faultColumn});
            FListing.Entries.push_back(entry);
            ++counters.CommandCount;
            counters.ProgramSize += command->Size;
        }
        IndexLabels(FLabels, labelsBefore);
        FNextLine = end;
        if (FNextLine < count)
            return false;
        FListing.Warnings = CheckGotoTargets(FListing.Entries, counters.ProgramSize);
        FinishLabelScan(FLabels);
        FLinesDone = true;
        maxLines -= end - first;
    }
    // The labels need the offsets of the whole text: resolved once every line is read, as
    // many labels and gotos a call as lines (what the lines left of it).
    if (!FLabelsDone) {
        if (!FLabelWarnings.Continue(FLabels, text, maxLines))
            return false;
        auto lists = FLabelWarnings.TakeLists();
        for (std::size_t k = 0; k < lists.size(); ++k)
            FMergeFrom[k] = std::move(lists[k]);
        FMergeFrom[3] = std::move(FLint);
        std::size_t total = 0;
        for (const auto& list : FMergeFrom)
            total += list.size();
        FListing.PassedOver.reserve(total);
        FLabelsDone = true;
    }
    // As MergeWarnings would merge them one after the other: by line and column, and of two on
    // one place, the one of the earlier list first.
    for (; maxLines > 0; --maxLines) {
        std::size_t next = FMergeFrom.size();
        for (std::size_t k = 0; k < FMergeFrom.size(); ++k) {
            if (FMerged[k] == FMergeFrom[k].size())
                continue;
            const TCompileWarning& w = FMergeFrom[k][FMerged[k]];
            if (next == FMergeFrom.size())
                next = k;
            else if (const TCompileWarning& best = FMergeFrom[next][FMerged[next]];
                     std::tie(w.Line, w.Column) < std::tie(best.Line, best.Column))
                next = k;
        }
        if (next == FMergeFrom.size())
            break;
        FListing.PassedOver.push_back(std::move(FMergeFrom[next][FMerged[next]++]));
    }
    for (std::size_t k = 0; k < FMergeFrom.size(); ++k)
        if (FMerged[k] < FMergeFrom[k].size())
            return false;
    FMergeFrom = {};
    FListing.Labels = std::move(FLabels.Labels);
    FDone = true;
    return true;
}

TProgramListing TListingBuilder::Take() {
    TProgramListing listing = std::move(FListing);
    Restart();
    return listing;
}

TProgramListing ListProgram(const TCompileTarget& text) {
    TListingBuilder builder;
    builder.Continue(text, INT_MAX);
    return builder.Take();
}
