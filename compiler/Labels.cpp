// Labels read from a program text, the goto addresses they keep right and their warnings.
#include "compiler/Labels.h"

#include "base/Cp1251.h"
#include "base/HexDigits.h"
#include "compiler/ImageWriter.h"
#include "compiler/LinesCompileTarget.h"
#include "compiler/ProgramListing.h"
#include "compiler/ProgramWarnings.h"

#include <algorithm>
#include <climits>
#include <map>
#include <set>

namespace {

// "goto_" and its four address digits.
constexpr std::size_t kGotoWidth = 9;
constexpr int kAddressColumn = 6;
constexpr int kLargestAddress = 0xFFFF;

bool IsNameStart(char c) {
    auto u = static_cast<unsigned char>(c);
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u == '_' || u >= 0xC0 || u == 0xA8 ||
           u == 0xB8;
}

bool IsNameChar(char c) {
    return IsNameStart(c) || (c >= '0' && c <= '9');
}

// The length of the name at the start of text; 0 when none starts there.
std::size_t NameLength(std::string_view text) {
    if (text.empty() || !IsNameStart(text[0]))
        return 0;
    std::size_t n = 1;
    while (n < text.size() && IsNameChar(text[n]))
        ++n;
    return n;
}

// True when rest is spaces and then nothing or a "//" comment.
bool OnlyComment(std::string_view rest) {
    std::size_t first = rest.find_first_not_of(' ');
    return first == std::string_view::npos || rest.substr(first).starts_with("//");
}

// The address of "goto_XXXX" read as the compile reads it: either case.
std::optional<int> FourHexDigits(std::string_view text) {
    if (text.size() != 4)
        return std::nullopt;
    std::string lower(text);
    for (char& c : lower)
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    int high = HexPairValue(std::string_view(lower).substr(0, 2));
    int low = HexPairValue(std::string_view(lower).substr(2, 2));
    if (high < 0 || low < 0)
        return std::nullopt;
    return high * 256 + low;
}

const TCommand& Goto() {
    static const TCommand& jump = *RecognizeCommand("goto");
    return jump;
}

std::string Utf8(std::string_view name) {
    return Cp1251ToUtf8(name);
}

} // namespace

std::optional<std::string_view> LabelName(std::string_view line) {
    std::string_view tidy = TidyLine(line);
    std::size_t n = NameLength(tidy);
    if (n == 0 || n >= tidy.size() || tidy[n] != ':' || !OnlyComment(tidy.substr(n + 1)))
        return std::nullopt;
    return tidy.substr(0, n);
}

bool IsLabelName(std::string_view text) {
    return !text.empty() && NameLength(text) == text.size();
}

bool IsLabelLine(std::string_view line) {
    return LabelName(line) && !RecognizeCommand(TidyLine(line));
}

std::optional<TJumpLabel> JumpLabel(std::string_view tidyGoto) {
    if (tidyGoto.size() <= kGotoWidth || tidyGoto[kGotoWidth] != ' ')
        return std::nullopt;
    std::size_t start = tidyGoto.find_first_not_of(' ', kGotoWidth);
    if (start == std::string_view::npos)
        return std::nullopt;
    std::size_t n = NameLength(tidyGoto.substr(start));
    if (n == 0 || !OnlyComment(tidyGoto.substr(start + n)))
        return std::nullopt;
    return TJumpLabel{tidyGoto.substr(start, n), static_cast<int>(start) + 1};
}

const TLabel* TLabelScan::Find(std::string_view name) const {
    auto it =
        std::lower_bound(ByName.begin(), ByName.end(), name,
                         [&](std::size_t i, std::string_view n) { return Labels[i].Name < n; });
    return it != ByName.end() && Labels[*it].Name == name ? &Labels[*it] : nullptr;
}

void ScanLabelLine(TLabelScan& scan, int index, std::string_view tidy, int indent,
                   const TCommand* command) {
    if (!command) {
        if (auto name = LabelName(tidy))
            scan.Labels.push_back(TLabel{std::string(*name), index, indent, scan.ProgramSize});
        return;
    }
    if (LabelName(tidy))
        scan.CommandLabels.push_back(index);
    if (command == &Goto()) {
        if (auto label = JumpLabel(tidy))
            scan.Jumps.push_back(TLabelledJump{
                index, indent, std::string(label->Name), label->Column,
                std::string(tidy.substr(0, std::min(kGotoWidth, tidy.size()))),
                tidy.size() >= kGotoWidth ? FourHexDigits(tidy.substr(5, 4)) : std::nullopt});
    }
    scan.ProgramSize += command->Size;
}

void IndexLabels(TLabelScan& scan, std::size_t first) {
    // The new labels sorted by name, then merged behind the earlier ones of each name.
    const auto middle = static_cast<std::ptrdiff_t>(scan.ByName.size());
    for (std::size_t i = first; i < scan.Labels.size(); ++i)
        scan.ByName.push_back(i);
    auto byName = [&](std::size_t a, std::size_t b) {
        return scan.Labels[a].Name < scan.Labels[b].Name;
    };
    std::stable_sort(scan.ByName.begin() + middle, scan.ByName.end(), byName);
    std::inplace_merge(scan.ByName.begin(), scan.ByName.begin() + middle, scan.ByName.end(),
                       byName);
}

void FinishLabelScan(TLabelScan& scan) {
    // The first label of each name.
    scan.ByName.erase(std::unique(scan.ByName.begin(), scan.ByName.end(),
                                  [&](std::size_t a, std::size_t b) {
                                      return scan.Labels[a].Name == scan.Labels[b].Name;
                                  }),
                      scan.ByName.end());
}

TLabelScan ScanLabels(const TCompileTarget& text) {
    TLabelScan scan;
    int count = text.LineCount();
    for (int i = 0; i < count; ++i) {
        std::string_view line = text.Line(i);
        std::string_view tidy = TidyLine(line);
        ScanLabelLine(scan, i, tidy, static_cast<int>(line.size() - tidy.size()),
                      RecognizeCommand(tidy));
    }
    IndexLabels(scan, 0);
    FinishLabelScan(scan);
    return scan;
}

namespace {

// The label a labelled goto should land on: known, followed by a command and addressable.
const TLabel* ReachableLabel(const TLabelScan& scan, const TLabelledJump& jump) {
    const TLabel* label = scan.Find(jump.Name);
    if (!label || label->Offset >= scan.ProgramSize || label->Offset > kLargestAddress)
        return nullptr;
    return label;
}

} // namespace

std::vector<TJumpRewrite> FindJumpRewrites(const TCompileTarget& text) {
    TLabelScan scan = ScanLabels(text);
    std::vector<TJumpRewrite> rewrites;
    for (const auto& jump : scan.Jumps) {
        const TLabel* label = ReachableLabel(scan, jump);
        if (!label || jump.Address == label->Offset)
            continue;
        rewrites.push_back(
            TJumpRewrite{jump.Line, jump.Written,
                         "goto_" + HexDigits(static_cast<unsigned>(label->Offset), 4), jump.Name});
    }
    return rewrites;
}

int ApplyJumpRewrites(std::vector<std::string>& lines, const std::vector<TJumpRewrite>& rewrites) {
    int changed = 0;
    for (const auto& rewrite : rewrites) {
        if (rewrite.Line < 0 || static_cast<std::size_t>(rewrite.Line) >= lines.size())
            continue;
        std::string& line = lines[static_cast<std::size_t>(rewrite.Line)];
        std::size_t at = line.find_first_not_of(" \t");
        if (at == std::string::npos || line.compare(at, rewrite.OldText.size(), rewrite.OldText))
            continue;
        line.replace(at, rewrite.OldText.size(), rewrite.NewText);
        ++changed;
    }
    return changed;
}

std::vector<TCompileWarning> LabelWarnings(const TCompileTarget& text) {
    return LabelWarnings(ScanLabels(text), text);
}

std::vector<TCompileWarning> LabelWarnings(const TLabelScan& scan, const TCompileTarget& text) {
    TLabelWarningBuilder builder;
    builder.Continue(scan, text, INT_MAX);
    return builder.Take();
}

bool TLabelWarningBuilder::Continue(const TLabelScan& scan, const TCompileTarget& text, int count) {
    auto warn = [&](std::vector<TCompileWarning>& to, int line, int indent, int column,
                    std::string message) {
        to.push_back(TCompileWarning{line, std::string(TidyLine(text.Line(line))), column, indent,
                                     std::move(message)});
    };
    for (; count > 0 && FLabel < scan.Labels.size(); --count) {
        const TLabel& label = scan.Labels[FLabel++];
        const TLabel* first = scan.Find(label.Name);
        if (first != &label)
            warn(FLabelWarnings, label.Line, label.Indent, 1,
                 "метка " + Utf8(label.Name) + " уже есть в строке " +
                     std::to_string(first->Line + 1));
        else if (label.Offset >= scan.ProgramSize)
            warn(FLabelWarnings, label.Line, label.Indent, 1,
                 "после метки " + Utf8(label.Name) + " нет команды");
    }
    for (; count > 0 && FJump < scan.Jumps.size(); --count) {
        const TLabelledJump& jump = scan.Jumps[FJump++];
        const TLabel* label = scan.Find(jump.Name);
        if (!label)
            warn(FJumpWarnings, jump.Line, jump.Indent, jump.NameColumn,
                 "нет метки " + Utf8(jump.Name));
        else if (label->Offset > kLargestAddress && label->Offset < scan.ProgramSize)
            warn(FJumpWarnings, jump.Line, jump.Indent, jump.NameColumn,
                 "метка " + Utf8(jump.Name) + " за адресом FFFF: goto туда не достаёт");
        else if (ReachableLabel(scan, jump) && jump.Address != label->Offset)
            warn(FJumpWarnings, jump.Line, jump.Indent, kAddressColumn,
                 "адрес устарел: метка " + Utf8(jump.Name) + " на адресе " +
                     HexDigits(static_cast<unsigned>(label->Offset), 4));
    }
    for (; count > 0 && FCommandLabel < scan.CommandLabels.size(); --count) {
        int line = scan.CommandLabels[FCommandLabel++];
        std::string_view tidy = TidyLine(text.Line(line));
        warn(FCommandLabelWarnings, line, static_cast<int>(text.Line(line).size() - tidy.size()), 1,
             "метка не может начинаться с команды: строка читается как " +
                 std::string(RecognizeCommand(tidy)->Mnemonic));
    }
    return FLabel == scan.Labels.size() && FJump == scan.Jumps.size() &&
           FCommandLabel == scan.CommandLabels.size();
}

std::vector<TCompileWarning> TLabelWarningBuilder::Take() {
    // Each list is in line order already: merging them is linear.
    auto [warnings, jumps, commands] = TakeLists();
    MergeWarnings(warnings, std::move(jumps));
    MergeWarnings(warnings, std::move(commands));
    return warnings;
}

std::array<std::vector<TCompileWarning>, 3> TLabelWarningBuilder::TakeLists() {
    std::array<std::vector<TCompileWarning>, 3> lists{
        std::move(FLabelWarnings), std::move(FJumpWarnings), std::move(FCommandLabelWarnings)};
    *this = TLabelWarningBuilder{};
    return lists;
}

std::vector<std::string> NameJumps(const std::vector<std::string>& lines) {
    TLinesCompileTarget text(lines);
    TProgramListing listing = ListProgram(text);
    TLabelScan scan = ScanLabels(text);

    // The gotos to name, and the lines of the commands they land on.
    std::vector<std::pair<int, int>> jumps; // goto line, target line
    std::set<int> targets;
    for (std::size_t k = 0; k < listing.Entries.size(); ++k) {
        const TListingEntry& entry = listing.Entries[k];
        int target = listing.JumpTargetOf(static_cast<int>(k));
        if (target < 0)
            continue;
        std::string_view tidy = TidyLine(lines[static_cast<std::size_t>(entry.Line)]);
        if (JumpLabel(tidy) || !OnlyComment(tidy.substr(kGotoWidth)))
            continue;
        int line = listing.Entries[static_cast<std::size_t>(target)].Line;
        jumps.emplace_back(entry.Line, line);
        targets.insert(line);
    }

    // A label already marking the command is used; otherwise the next unused name mN.
    std::map<int, std::string> names; // target line: label name
    std::map<int, bool> added;        // target line: a label line goes above it
    std::map<int, int> offsetOfLine;
    for (const auto& entry : listing.Entries)
        offsetOfLine[entry.Line] = entry.Offset;
    std::map<int, const TLabel*> labelAt; // offset: the first label marking it
    for (const auto& label : scan.Labels)
        if (scan.Find(label.Name) == &label)
            labelAt.emplace(label.Offset, &label);
    int next = 1;
    for (int line : targets) {
        if (auto marking = labelAt.find(offsetOfLine[line]); marking != labelAt.end()) {
            names[line] = marking->second->Name;
            continue;
        }
        std::string name;
        do
            name = "m" + std::to_string(next++);
        while (scan.Find(name));
        names[line] = name;
        added[line] = true;
    }

    std::map<int, int> jumpTarget(jumps.begin(), jumps.end());
    std::vector<std::string> out;
    out.reserve(lines.size() + added.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        int line = static_cast<int>(i);
        if (added.count(line))
            out.push_back(names[line] + ":");
        std::string text = lines[i];
        if (auto it = jumpTarget.find(line); it != jumpTarget.end()) {
            std::size_t at = text.size() - TidyLine(text).size() + kGotoWidth;
            text.insert(at, " " + names[it->second]);
        }
        out.push_back(std::move(text));
    }
    return out;
}
