// The EEPROM programmer's command line: split into arguments as a POSIX shell splits words, but
// run without a shell, so that nothing in it is a pipe, a redirection or a substitution; then
// the placeholders {bin}, {hex} and {program} put in, each path one argument whatever it holds.
// Also the ready-made command lines of common serial EEPROM programmers.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

// The files a command's placeholders name (UTF-8 paths).
struct TProgrammerFiles {
    std::string Bin;     // {bin}: the image F9 writes
    std::string Hex;     // {hex}: the same image as Intel HEX beside it
    std::string Program; // {program}: the program file
};

// A command line read once: its words with the quotes and backslashes taken out and the
// placeholders still in them, or the reason it cannot run (UTF-8, for the user).
struct TProgrammerCommand {
    std::vector<std::string> Words;
    std::string Error;

    bool Valid() const { return Error.empty(); }
    // True when some word holds {name}.
    bool Uses(std::string_view name) const;
    // The program and its arguments with every placeholder replaced by its path; the text
    // put in is never split or read again.
    std::vector<std::string> Arguments(const TProgrammerFiles& files) const;
};

// Reads line: words are parted by spaces and tabs outside quotes; '…' keeps every character as
// it is, "…" too except \" \\ \$ \` (a backslash before another character stays), and outside
// quotes a backslash keeps the next character as it is. |, &, ;, <, >, a backtick, $( and a
// variable ($NAME, ${NAME}) are errors outside single quotes: no shell runs the command. An
// empty line, a quote left open, a line ending in a backslash and a {name} that is no
// placeholder are errors too.
TProgrammerCommand ReadProgrammerCommand(std::string_view line);

// word written so that ReadProgrammerCommand reads it back as one word: as it is when nothing in
// it needs quoting, else in single quotes. For showing the command that runs.
std::string QuotedWord(std::string_view word);

// The Intel HEX file written beside imageName for {hex}: its ".bin" replaced by ".hex".
std::string HexNameFor(const std::string& imageName);

// A ready-made command line and its caption for the template chooser (UTF-8). The last one is
// "Свой", the user's own, with an empty line.
struct TProgrammerTemplate {
    const char* Caption;
    const char* Command;
};
std::span<const TProgrammerTemplate> ProgrammerTemplates();
