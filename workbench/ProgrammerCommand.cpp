// Reading the programmer's command line word by word, with the quoting rules of a POSIX shell
// for the few characters a path or an option needs, and refusing what only a shell would do.
#include "workbench/ProgrammerCommand.h"

#include <array>

namespace {

constexpr std::array<std::string_view, 3> kPlaceholders{"bin", "hex", "program"};

const std::string kNoShell = "Команда запускается без оболочки: ";

std::string NotWithoutShell(std::string_view what) {
    return kNoShell + "«" + std::string(what) +
           "» в ней не работает. Уберите его или возьмите в одинарные кавычки.";
}

bool IsNameStart(char c) {
    return c == '_' || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsNameChar(char c) {
    return IsNameStart(c) || (c >= '0' && c <= '9');
}

// The error of a $ at line[i] outside single quotes, or empty when a shell would keep it as it
// is (a $ before a space, a digit or the end).
std::string DollarError(std::string_view line, std::size_t i) {
    const char next = i + 1 < line.size() ? line[i + 1] : ' ';
    if (next == '(')
        return NotWithoutShell("$(");
    if (next == '{' || IsNameStart(next)) {
        std::size_t end = i + 1;
        while (end < line.size() && (IsNameChar(line[end]) || line[end] == '{'))
            ++end;
        if (end < line.size() && line[end] == '}')
            ++end;
        return kNoShell + "переменные оболочки («" + std::string(line.substr(i, end - i)) +
               "») в ней не подставляются. Напишите значение или возьмите в одинарные кавычки.";
    }
    return {};
}

// Each {name} in word must be a placeholder; the error for the first that is not.
std::string PlaceholderError(std::string_view word) {
    for (std::size_t open = word.find('{'); open != std::string_view::npos;
         open = word.find('{', open + 1)) {
        std::size_t end = open + 1;
        while (end < word.size() && IsNameChar(word[end]))
            ++end;
        if (end == open + 1 || end == word.size() || word[end] != '}')
            continue; // no {name}: the brace is plain text
        const std::string_view name = word.substr(open + 1, end - open - 1);
        bool known = false;
        for (std::string_view placeholder : kPlaceholders)
            known = known || placeholder == name;
        if (!known)
            return "Неизвестная подстановка {" + std::string(name) +
                   "}: есть только {bin}, {hex} и {program}.";
    }
    return {};
}

} // namespace

TProgrammerCommand ReadProgrammerCommand(std::string_view line) {
    TProgrammerCommand command;
    const auto fail = [&](std::string error) {
        command.Words.clear();
        command.Error = std::move(error);
        return command;
    };
    std::string word;
    bool inWord = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == ' ' || c == '\t') {
            if (inWord)
                command.Words.push_back(std::move(word));
            word.clear();
            inWord = false;
            continue;
        }
        inWord = true;
        if (c == '\\') {
            if (++i == line.size())
                return fail("Команда кончается обратной косой чертой: после неё нет символа.");
            word += line[i];
        } else if (c == '\'') {
            const std::size_t close = line.find('\'', i + 1);
            if (close == std::string_view::npos)
                return fail("Одинарная кавычка не закрыта.");
            word += line.substr(i + 1, close - i - 1);
            i = close;
        } else if (c == '"') {
            for (++i;; ++i) {
                if (i == line.size())
                    return fail("Двойная кавычка не закрыта.");
                const char q = line[i];
                if (q == '"')
                    break;
                if (q == '`')
                    return fail(NotWithoutShell("`"));
                if (q == '$')
                    if (std::string error = DollarError(line, i); !error.empty())
                        return fail(std::move(error));
                if (q == '\\' && i + 1 < line.size() &&
                    std::string_view("\"\\$`").find(line[i + 1]) != std::string_view::npos)
                    ++i;
                word += line[i];
            }
        } else if (std::string_view("|&;<>`").find(c) != std::string_view::npos) {
            return fail(NotWithoutShell(std::string_view(&line[i], 1)));
        } else if (c == '$') {
            if (std::string error = DollarError(line, i); !error.empty())
                return fail(std::move(error));
            word += c;
        } else {
            word += c;
        }
    }
    if (inWord)
        command.Words.push_back(std::move(word));
    if (command.Words.empty())
        return fail("Команда программатора не задана.");
    for (const std::string& w : command.Words)
        if (std::string error = PlaceholderError(w); !error.empty())
            return fail(std::move(error));
    return command;
}

bool TProgrammerCommand::Uses(std::string_view name) const {
    const std::string placeholder = "{" + std::string(name) + "}";
    for (const std::string& word : Words)
        if (word.find(placeholder) != std::string::npos)
            return true;
    return false;
}

std::vector<std::string> TProgrammerCommand::Arguments(const TProgrammerFiles& files) const {
    const std::array<const std::string*, 3> paths{&files.Bin, &files.Hex, &files.Program};
    std::vector<std::string> arguments;
    for (const std::string& word : Words) {
        std::string argument;
        for (std::size_t i = 0; i < word.size();) {
            bool replaced = false;
            for (std::size_t k = 0; k < kPlaceholders.size() && !replaced; ++k) {
                const std::string_view name = kPlaceholders[k];
                if (word.compare(i, name.size() + 2, "{" + std::string(name) + "}") == 0) {
                    argument += *paths[k];
                    i += name.size() + 2;
                    replaced = true;
                }
            }
            if (!replaced)
                argument += word[i++];
        }
        arguments.push_back(std::move(argument));
    }
    return arguments;
}

std::string QuotedWord(std::string_view word) {
    const bool plain = !word.empty() && word.find_first_of(" \t'\"\\|&;<>`$") == word.npos;
    if (plain)
        return std::string(word);
    std::string quoted = "'";
    for (char c : word)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string HexNameFor(const std::string& imageName) {
    std::string name = imageName;
    if (name.size() >= 4) {
        std::string extension = name.substr(name.size() - 4);
        for (char& c : extension)
            c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        if (extension == ".bin")
            name.resize(name.size() - 4);
    }
    return name + ".hex";
}

std::span<const TProgrammerTemplate> ProgrammerTemplates() {
    // Serial (I²C) EEPROMs of the 24C series. minipro errors on a file smaller than the chip
    // unless told with -s to only warn; ch341eeprom takes the chip's size with -s.
    static constexpr TProgrammerTemplate kTemplates[] = {
        {"TL866II+ / T48 (minipro), AT24C256", "minipro -p AT24C256 -s -w {bin}"},
        {"CH341A (ch341eeprom), 24C256", "ch341eeprom -s 24c256 -w {bin}"},
        {"Свой", ""},
    };
    return kTemplates;
}
