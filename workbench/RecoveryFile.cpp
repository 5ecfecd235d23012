// The recovery file's format, written through the atomic writer and read back strictly.
#include "workbench/RecoveryFile.h"

#include "base/FileIO.h"
#include "editor/buffer/LineStore.h"

#include <charconv>

namespace {

constexpr std::string_view kMagic = "TOVIX recovery 1\n";

// Reads "NAME DIGITS\n" at the front of bytes into value and drops it; false when it is not.
template <typename T> bool TakeField(std::string_view& bytes, std::string_view name, T& value) {
    if (bytes.substr(0, name.size()) != name || bytes.size() <= name.size() ||
        bytes[name.size()] != ' ')
        return false;
    bytes.remove_prefix(name.size() + 1);
    const char* end = bytes.data() + bytes.size();
    auto [next, error] = std::from_chars(bytes.data(), end, value);
    if (error != std::errc() || next == bytes.data() || next == end || *next != '\n')
        return false;
    bytes.remove_prefix(static_cast<std::size_t>(next - bytes.data()) + 1);
    return true;
}

} // namespace

std::string RecoveryHeader(std::string_view programPath, std::int64_t changedAtMs,
                           std::size_t textSize) {
    std::string header(kMagic);
    header += "path " + std::to_string(programPath.size()) + '\n';
    header += programPath;
    header += '\n';
    header += "time " + std::to_string(changedAtMs) + '\n';
    header += "text " + std::to_string(textSize) + '\n';
    return header;
}

std::optional<TRecoveryRecord> ParseRecovery(std::string_view bytes) {
    if (bytes.substr(0, kMagic.size()) != kMagic)
        return std::nullopt;
    bytes.remove_prefix(kMagic.size());
    TRecoveryRecord record;
    std::size_t size = 0;
    if (!TakeField(bytes, "path", size) || bytes.size() <= size || bytes[size] != '\n')
        return std::nullopt;
    record.ProgramPath = std::string(bytes.substr(0, size));
    bytes.remove_prefix(size + 1);
    if (!TakeField(bytes, "time", record.ChangedAtMs) || !TakeField(bytes, "text", size) ||
        bytes.size() != size)
        return std::nullopt;
    record.Text = std::string(bytes);
    return record;
}

int WriteRecoveryFile(const std::string& fileName, const TRecoveryRecord& record) {
    return WriteRecoveryFile(fileName, record.ProgramPath, record.ChangedAtMs,
                             std::span(&record.Text, 1));
}

int WriteRecoveryFile(const std::string& fileName, std::string_view programPath,
                      std::int64_t changedAtMs, std::span<const std::string> text) {
    std::size_t size = 0;
    for (const std::string& piece : text)
        size += piece.size();
    return WriteFileAtomically(fileName, [&](AtomicFileWriter& file) {
        int failed = file.Write(RecoveryHeader(programPath, changedAtMs, size));
        for (std::size_t i = 0; failed == 0 && i < text.size(); ++i)
            failed = file.Write(text[i]);
        return failed;
    });
}

std::optional<TRecoveryRecord> ReadRecoveryFile(const std::string& fileName) {
    std::string bytes;
    if (ReadWholeFile(fileName, bytes) != 0)
        return std::nullopt;
    return ParseRecovery(bytes);
}

void AppendProgramLines(std::string& out, const TCodeMemoStrings& lines, int from, int to) {
    for (int i = from; i < to; ++i) {
        out += lines.Line(i);
        out += "\r\n";
    }
}
