// The checks of lines the compile passes over.
#include "compiler/LineLint.h"

#include "compiler/Labels.h"
#include "compiler/ProgramListing.h"

#include <algorithm>
#include <array>

namespace {

bool IsLatinLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsCyrillicLetter(char c) {
    auto u = static_cast<unsigned char>(c);
    return u >= 0xC0 || u == 0xA8 || u == 0xB8;
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    return lower;
}

// Words other languages use for a command, with the commands that do the job.
struct TForeignWord {
    std::string_view Word;
    std::string_view Commands;
};
constexpr std::array<TForeignWord, 8> kForeignWords{{
    {"delay", "pause, 10xpause"},
    {"wait", "pause, 10xpause"},
    {"sleep", "pause, 10xpause"},
    {"beep", "sound"},
    {"jmp", "goto"},
    {"jump", "goto"},
    {"out", "portdwrite, portbwrite"},
    {"halt", "stop"},
}};

// Edits (insert, delete, replace, swap of neighbours) between a and b.
int EditDistance(std::string_view a, std::string_view b) {
    const std::size_t n = b.size();
    std::vector<int> before(n + 1), previous(n + 1), current(n + 1);
    for (std::size_t j = 0; j <= n; ++j)
        previous[j] = static_cast<int>(j);
    for (std::size_t i = 1; i <= a.size(); ++i) {
        current[0] = static_cast<int>(i);
        for (std::size_t j = 1; j <= n; ++j) {
            int cost = a[i - 1] == b[j - 1] ? 0 : 1;
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                current[j] = std::min(current[j], before[j - 2] + 1);
        }
        before.swap(previous);
        previous.swap(current);
    }
    return previous[n];
}

// How many edits still make a word of that length a typo: short words are too close to
// everything.
int EditsAllowed(std::size_t length) {
    return length <= 2 ? 0 : length <= 4 ? 1 : 2;
}

// The commands a word that is no command was likely meant to be, "" when none.
std::string Suggestions(std::string_view word) {
    std::string lower = Lower(word);
    for (const auto& foreign : kForeignWords)
        if (lower == foreign.Word)
            return std::string(foreign.Commands);
    int best = EditsAllowed(lower.size());
    std::string found;
    for (const auto& command : CommandTable()) {
        int d = EditDistance(lower, command.Mnemonic);
        if (d > best)
            continue;
        if (d < best) {
            best = d;
            found.clear();
        }
        found += (found.empty() ? "" : ", ") + std::string(command.Mnemonic);
    }
    return found;
}

// A word that is a whole command as its form writes it: "pause_10", "stop", "sound_20_3C".
bool IsWholeCommand(std::string_view word) {
    const TCommand* command = RecognizeCommand(word);
    if (!command || word.size() != LineForm(*command).size())
        return false;
    TListingEntry entry;
    int faultColumn = 0;
    ListCommand(word, entry, faultColumn);
    return faultColumn == 0;
}

std::optional<TLintFinding> CheckCommandLine(std::string_view tidy, const TCommand& command) {
    std::size_t end = command.Mnemonic.size();
    if (end < tidy.size() && (IsLatinLetter(tidy[end]) || IsCyrillicLetter(tidy[end])))
        return TLintFinding{1, "строка читается как " + std::string(command.Mnemonic)};
    std::string_view code = tidy.substr(0, std::min(tidy.find("//"), tidy.size()));
    std::size_t at = code.find(' ');
    while (at != std::string_view::npos) {
        std::size_t start = code.find_first_not_of(' ', at);
        if (start == std::string_view::npos)
            break;
        at = code.find(' ', start);
        std::string_view word = code.substr(start, at == std::string_view::npos ? at : at - start);
        if (IsWholeCommand(word))
            return TLintFinding{static_cast<int>(start) + 1,
                                "вторая команда в строке не компилируется: " + std::string(word)};
    }
    return std::nullopt;
}

} // namespace

std::optional<TLintFinding> LintLine(std::string_view line) {
    std::string_view tidy = TidyLine(line);
    if (tidy.empty() || tidy.starts_with("//") || tidy.starts_with("{") || LabelName(tidy))
        return std::nullopt;
    std::string_view first = tidy.substr(0, std::min(tidy.find(' '), tidy.size()));
    if (std::any_of(first.begin(), first.end(), IsCyrillicLetter))
        return std::nullopt;
    if (const TCommand* command = RecognizeCommand(tidy))
        return CheckCommandLine(tidy, *command);
    if (const TCommand* command = RecognizeCommand(Lower(first)))
        return TLintFinding{1,
                            "команды пишутся строчными буквами: " + std::string(command->Mnemonic)};
    std::string_view head = first.substr(0, std::min(first.find('_'), first.size()));
    if (head.empty() || !std::all_of(head.begin(), head.end(), [](char c) {
            return IsLatinLetter(c) || (c >= '0' && c <= '9');
        }))
        return std::nullopt;
    std::string suggestions = Suggestions(head);
    if (suggestions.empty())
        return std::nullopt;
    return TLintFinding{1, "нет команды " + std::string(head) + " — возможно, " + suggestions};
}

std::vector<TCompileWarning> LintWarnings(const TCompileTarget& text) {
    std::vector<TCompileWarning> warnings;
    int count = text.LineCount();
    for (int i = 0; i < count; ++i) {
        std::string_view line = text.Line(i);
        if (auto finding = LintLine(line)) {
            std::string_view tidy = TidyLine(line);
            warnings.push_back(TCompileWarning{i, std::string(tidy), finding->Column,
                                               static_cast<int>(line.size() - tidy.size()),
                                               std::move(finding->Message)});
        }
    }
    return warnings;
}
