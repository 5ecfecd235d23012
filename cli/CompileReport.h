// How the command-line tools report a compile's faults and warnings on standard error:
// "PROGRAM:LINE:COLUMN: ошибка: …" and "PROGRAM:LINE:COLUMN: предупреждение: …", the column
// counting the bytes of the line as it stands in the file.
#pragma once

#include "compiler/Compiler.h"

#include <optional>
#include <string>
#include <vector>

// A program file as the tools read it: its lines as written (TABs intact, for the columns of
// messages) and as compiled (TABs expanded to kDefaultTabSize).
struct TProgramLines {
    std::vector<std::string> Raw;
    std::vector<std::string> Expanded;
};

// Reads the program at path; when it cannot be read, says so on standard error ("PATH: ошибка:
// не удалось прочитать программу: REASON") and returns nothing.
std::optional<TProgramLines> ReadProgramLines(const std::string& path);

// rawLines are the file's lines as written (TABs intact), tabSize the width the compile's lines
// were expanded with.
void PrintFault(const std::string& program, const std::vector<std::string>& rawLines, int tabSize,
                const TCompileFault& fault);
void PrintWarning(const std::string& program, const std::vector<std::string>& rawLines, int tabSize,
                  const TCompileWarning& warning);

// Every fault, then every warning, then "Компиляция не выполнена: неверные данные команды.".
void PrintFailedCompile(const std::string& program, const std::vector<std::string>& rawLines,
                        int tabSize, const TCompileResult& result);
