// The compile: tidies the target's lines, recognises each command, writes the byte image and
// marks every compiled line.
#pragma once

#include "compiler/CommandSet.h"
#include "compiler/CompileTarget.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The figures of the last compile that got as far as opening its image.
struct TCompileCounters {
    std::int32_t CommandCount = 0; // lines recognised as commands
    std::int32_t ProgramSize = 0;  // sum of their sizes
};

// A recognised line with an operand that is not exactly two hexadecimal digits.
struct TCompileFault {
    int Line = 0;     // 0-based line index
    std::string Text; // the line as the compile left it (without leading spaces)
    int Column = 0;   // 1-based position in Text of the first faulty operand
    int Indent = 0;   // leading spaces the tidy step removed from the line
    const TCommand* Command = nullptr;
};

// One compiled command of the image.
struct TListingEntry {
    int Offset = 0; // of its first byte in the image
    int Line = 0;   // 0-based line index
    std::array<std::uint8_t, 3> Bytes{};
    int ByteCount = 0;
};

// A goto whose address is not the first byte of a command (see CheckGotoTargets). The image is
// written all the same.
struct TCompileWarning {
    int Line = 0;        // 0-based line index
    std::string Text;    // the line as the compile left it (without leading spaces)
    int Column = 0;      // 1-based position in Text of the address
    int Indent = 0;      // leading spaces the tidy step removed from the line
    std::string Message; // UTF-8, e.g. "переход за конец программы"
};

struct TCompileResult {
    bool ImageWritten = false;
    std::vector<TCompileFault> Faults;     // in line order
    std::vector<TCompileWarning> Warnings; // in line order, also when there are faults

    bool Succeeded() const { return Faults.empty(); }
};

// Removes the leading spaces of every line of target by copying the lines out, clearing the
// target (which drops every compile mark) and adding them back. Returns the number of spaces
// removed from each line.
std::vector<std::int32_t> TidyLines(TCompileTarget& target);

// Compiles target into the image imageName (see ImageNameFor):
// 1. tidies the lines; 2. opens the image, raising EInOutError when it cannot (counters keep
// their values); 3. sets the counters to 0 and walks the lines: each recognised command is
// written, counted and marked; 4. with no faulty operand, puts the image in place, raising
// EInOutError when it cannot; with faulty operands, writes no image at all (an existing one
// stays) and reports the faulty lines. A write error ends the compile with EInOutError; the
// counters and marks then show the lines handled so far and the earlier image stays whole.
// listing, when given, receives every compiled command. Every goto is checked
// (CheckGotoTargets); its warnings never stop the image from being written.
//
// The workbench's Compile: Compile(TMemoCompileTarget(Memo1), ImageNameFor(ProgramPath),
// counters); on success it shows CompletionMessage(CommandCount), otherwise it puts the caret
// at the start of Faults[0].Line and shows CompileFaultMessage(Faults) in an error box.
TCompileResult Compile(TCompileTarget& target, const std::string& imageName,
                       TCompileCounters& counters, std::vector<TListingEntry>* listing = nullptr);

// The same compile with the image's bytes put in image instead of a file (left empty when
// there are faults), for images written in another format.
TCompileResult CompileToBytes(TCompileTarget& target, std::string& image,
                              TCompileCounters& counters,
                              std::vector<TListingEntry>* listing = nullptr);
