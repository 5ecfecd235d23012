// The recovery file: what a crash must not lose of a program with unsaved changes. A small
// header (the program's path, the time of its last change) and then the program text exactly
// as Save writes it: the editor's cp1251 bytes, CR LF after every line.
//
//   TOVIX recovery 1\n
//   path N\n <N bytes of the path>\n
//   time MS\n             (milliseconds since 1970-01-01 UTC)
//   text N\n <N bytes of the text>
//
// The lengths make a damaged or truncated file known as such: it is read as no record at all.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

class TCodeMemoStrings;

struct TRecoveryRecord {
    std::string ProgramPath; // as the operating system spells it
    std::int64_t ChangedAtMs = 0;
    std::string Text; // the program file's bytes
    bool operator==(const TRecoveryRecord&) const = default;
};

// The file's bytes before a text of textSize bytes.
std::string RecoveryHeader(std::string_view programPath, std::int64_t changedAtMs,
                           std::size_t textSize);
// The record in bytes, or nothing when they are not a whole recovery file.
std::optional<TRecoveryRecord> ParseRecovery(std::string_view bytes);

// Writes record to fileName with the writer Save uses: atomically, an earlier file stays whole
// when it fails. Returns 0 or the failure's code (WriteFailureReason tells it).
int WriteRecoveryFile(const std::string& fileName, const TRecoveryRecord& record);
// The same with the text in pieces, one after the other, as a snapshot made in slices holds it.
int WriteRecoveryFile(const std::string& fileName, std::string_view programPath,
                      std::int64_t changedAtMs, std::span<const std::string> text);
// The record in fileName; nothing when it cannot be read or is damaged.
std::optional<TRecoveryRecord> ReadRecoveryFile(const std::string& fileName);

// Appends lines [from, to) of lines to out as Save writes them, each followed by CR LF.
void AppendProgramLines(std::string& out, const TCodeMemoStrings& lines, int from, int to);
