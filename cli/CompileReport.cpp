// The compile's messages for the command-line tools.
#include "cli/CompileReport.h"

#include "base/Errors.h"
#include "base/TextFile.h"
#include "compiler/CompileMessages.h"

#include <iostream>
#include <string_view>

namespace {

// The 1-based byte column in the file's own line of the character at 0-based column col of
// the line as read (TABs expanded to tabSize spaces).
int FileColumn(std::string_view rawLine, int col, int tabSize) {
    int width = 0;
    for (std::size_t j = 0; j < rawLine.size(); ++j) {
        int w = rawLine[j] == '\t' ? tabSize : 1;
        if (width + w > col)
            return static_cast<int>(j) + 1;
        width += w;
    }
    return static_cast<int>(rawLine.size()) + (col - width) + 1;
}

// The 1-based byte column in the file of line's 1-based column in the tidied line.
int ColumnInFile(const std::vector<std::string>& rawLines, int tabSize, int line, int indent,
                 int column) {
    int col = indent + column - 1;
    if (static_cast<std::size_t>(line) >= rawLines.size())
        return col + 1;
    return FileColumn(rawLines[static_cast<std::size_t>(line)], col, tabSize);
}

} // namespace

void PrintFault(const std::string& program, const std::vector<std::string>& rawLines, int tabSize,
                const TCompileFault& fault) {
    int column = ColumnInFile(rawLines, tabSize, fault.Line, fault.Indent, fault.Column);
    std::cerr << program << ":" << fault.Line + 1 << ":" << column
              << ": ошибка: " << FaultReason(*fault.Command, fault.Text, fault.Column) << "\n";
}

void PrintWarning(const std::string& program, const std::vector<std::string>& rawLines, int tabSize,
                  const TCompileWarning& warning) {
    int column = ColumnInFile(rawLines, tabSize, warning.Line, warning.Indent, warning.Column);
    std::cerr << program << ":" << warning.Line + 1 << ":" << column
              << ": предупреждение: " << warning.Message << "\n";
}

void PrintFailedCompile(const std::string& program, const std::vector<std::string>& rawLines,
                        int tabSize, const TCompileResult& result) {
    for (const auto& fault : result.Faults)
        PrintFault(program, rawLines, tabSize, fault);
    for (const auto& warning : result.Warnings)
        PrintWarning(program, rawLines, tabSize, warning);
    std::cerr << "Компиляция не выполнена: неверные данные команды.\n";
}

std::optional<TProgramLines> ReadProgramLines(const std::string& path) {
    TProgramLines program;
    try {
        program.Raw = SplitTextFile(ReadTextFileBytes(path));
    } catch (const ERuntimeError& e) {
        std::cerr << path << ": ошибка: не удалось прочитать программу: " << e.what() << "\n";
        return std::nullopt;
    }
    program.Expanded.reserve(program.Raw.size());
    for (const auto& line : program.Raw)
        program.Expanded.push_back(ExpandTabs(line, kDefaultTabSize));
    return program;
}
