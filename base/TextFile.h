// The program text file format: single-byte lines, TABs expanded on reading, CR LF after every
// line on writing.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The TAB width of a program read without an editor; the editor's own until it is changed.
inline constexpr int kDefaultTabSize = 4;

// Replaces every TAB by tabSize spaces, whatever column it stands in.
std::string ExpandTabs(std::string_view s, int tabSize);
// s itself when it holds no TAB; otherwise its expansion, kept in buffer.
std::string_view WithTabsExpanded(std::string_view s, int tabSize, std::string& buffer);

// Calls emit(line) for every line of file bytes, in order: CR, LF and CR LF end a line; the
// first NUL ends the text; a line end at the very end adds no line. TABs are left as they are.
template <typename Emit> void ForEachTextFileLine(std::string_view bytes, Emit&& emit) {
    if (auto nul = bytes.find('\0'); nul != std::string_view::npos)
        bytes = bytes.substr(0, nul);
    const char* p = bytes.data();
    const char* end = p + bytes.size();
    while (p < end) {
        const char* start = p;
        while (p < end && *p != '\r' && *p != '\n')
            ++p;
        emit(std::string_view(start, static_cast<std::size_t>(p - start)));
        if (p < end) {
            if (*p == '\r' && p + 1 < end && p[1] == '\n')
                ++p;
            ++p;
        }
    }
}

// The lines of file bytes, as ForEachTextFileLine finds them.
std::vector<std::string> SplitTextFile(std::string_view bytes);

// The file bytes of lines: each line followed by CR LF.
std::string JoinTextFile(const std::vector<std::string>& lines);

// The bytes of fileName; raises EFOpenError with the reason when it cannot be read.
std::string ReadTextFileBytes(const std::string& fileName);

// The lines of fileName with their TABs expanded; raises EFOpenError when it cannot be read.
std::vector<std::string> ReadTextFile(const std::string& fileName, int tabSize);

// Writes count lines, lineAt(i) for each, to fileName in the text file format, atomically: a
// failure leaves any earlier file whole. Raises EFCreateError with the system's reason.
void WriteTextFile(const std::string& fileName, int count,
                   const std::function<std::string_view(int)>& lineAt);
void WriteTextFile(const std::string& fileName, const std::vector<std::string>& lines);
