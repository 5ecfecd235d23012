// The program text file format.
#include "base/TextFile.h"

#include "base/Errors.h"
#include "base/FileIO.h"

#include <algorithm>

std::string ExpandTabs(std::string_view s, int tabSize) {
    if (s.find('\t') == std::string_view::npos)
        return std::string(s);
    std::string out;
    out.reserve(s.size() + static_cast<std::size_t>(std::max(tabSize, 0)) * 4);
    for (char c : s) {
        if (c == '\t')
            out.append(static_cast<std::size_t>(std::max(tabSize, 0)), ' ');
        else
            out += c;
    }
    return out;
}

std::string_view WithTabsExpanded(std::string_view s, int tabSize, std::string& buffer) {
    if (s.find('\t') == std::string_view::npos)
        return s;
    buffer = ExpandTabs(s, tabSize);
    return buffer;
}

std::vector<std::string> SplitTextFile(std::string_view bytes) {
    std::size_t count = 0;
    ForEachTextFileLine(bytes, [&](std::string_view) { ++count; });
    std::vector<std::string> lines;
    lines.reserve(count);
    ForEachTextFileLine(bytes, [&](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

std::string JoinTextFile(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const auto& line : lines)
        size += line.size() + 2;
    std::string out;
    out.reserve(size);
    for (const auto& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

std::string ReadTextFileBytes(const std::string& fileName) {
    std::string bytes;
    if (int err = ReadWholeFile(fileName, bytes))
        throw EFOpenError(fileName, ReadFailureReason(err));
    return bytes;
}

std::vector<std::string> ReadTextFile(const std::string& fileName, int tabSize) {
    std::vector<std::string> lines = SplitTextFile(ReadTextFileBytes(fileName));
    for (auto& line : lines)
        if (line.find('\t') != std::string::npos)
            line = ExpandTabs(line, tabSize);
    return lines;
}

void WriteTextFile(const std::string& fileName, int count,
                   const std::function<std::string_view(int)>& lineAt) {
    int err = WriteFileAtomically(fileName, [&](AtomicFileWriter& file) {
        int failed = 0;
        for (int i = 0; failed == 0 && i < count; ++i) {
            failed = file.Write(lineAt(i));
            if (failed == 0)
                failed = file.Write("\r\n");
        }
        return failed;
    });
    if (err != 0)
        throw EFCreateError(fileName, WriteFailureReason(err));
}

void WriteTextFile(const std::string& fileName, const std::vector<std::string>& lines) {
    WriteTextFile(fileName, static_cast<int>(lines.size()),
                  [&](int i) { return std::string_view(lines[static_cast<std::size_t>(i)]); });
}
