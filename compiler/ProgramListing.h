// The listing of a program text as the compile would make it, built without touching the text
// (no tidy step, no marks, no image) and in slices, so that a window can follow a text of a
// million lines while the user types.
#pragma once

#include "compiler/Compiler.h"
#include "compiler/Labels.h"

#include <array>
#include <span>
#include <string_view>
#include <vector>

// Reads the command of one tidied line (no leading spaces) as the compile does: its opcode and
// the operand bytes that are two hexadecimal digits go into entry.Bytes and entry.ByteCount
// (Offset and Line are the caller's). faultColumn gets the 1-based position of the first operand
// that is not, or 0. Returns nullptr, leaving entry alone, for a line that is no command.
const TCommand* ListCommand(std::string_view tidyLine, TListingEntry& entry, int& faultColumn);

// The line without its leading spaces, as the compile's tidy step leaves it.
std::string_view TidyLine(std::string_view line);

// A command with a faulty operand: the entry's index and the 1-based column of the operand in
// the tidied line.
struct TListingFault {
    int Entry = 0;
    int Column = 0;
};

struct TProgramListing {
    std::vector<TListingEntry> Entries;    // in line order, with nominal offsets
    std::vector<TListingFault> Faults;     // in entry order
    std::vector<TCompileWarning> Warnings; // in line order; Text and Indent stay empty
    // The label and passed-over-line warnings (those of PassedOverWarnings), in line and
    // column order, and the labels.
    std::vector<TCompileWarning> PassedOver;
    std::vector<TLabel> Labels;
    TCompileCounters Counters;

    // The index of the entry of line, -1 when line holds no command.
    int EntryOfLine(int line) const;
    // The fault of entry index, or nullptr.
    const TListingFault* FaultOf(int entry) const;
    // The goto warning of line, or nullptr.
    const TCompileWarning* WarningOf(int line) const;
    // The label and passed-over-line warnings of line.
    std::span<const TCompileWarning> PassedOverOf(int line) const;
    // The first label of line, or nullptr.
    const TLabel* LabelOf(int line) const;
    // For a goto entry without a warning or a fault: the index of the entry its address names;
    // -1 otherwise.
    int JumpTargetOf(int entry) const;
};

// Builds a TProgramListing over any number of calls to Continue. The text must not change
// between the calls of one build: start over with Restart when it does.
class TListingBuilder {
public:
    void Restart();
    // Lists at most maxLines more lines of text; true when every line is done and the listing
    // is complete (the goto checks made, the labels resolved).
    bool Continue(const TCompileTarget& text, int maxLines);
    bool Done() const { return FDone; }
    // The complete listing, moved out; the builder then starts over.
    TProgramListing Take();

private:
    TProgramListing FListing;
    TLabelScan FLabels;
    TLabelWarningBuilder FLabelWarnings;
    std::vector<TCompileWarning> FLint;
    // The lists of passed-over warnings merged a piece at a time: the labels', the gotos', the
    // command labels' and the lint's, each in line order, and how far each has gone.
    std::array<std::vector<TCompileWarning>, 4> FMergeFrom;
    std::array<std::size_t, 4> FMerged{};
    int FNextLine = 0;
    bool FLinesDone = false;  // then the labels are resolved, a piece at a time,
    bool FLabelsDone = false; // then the warnings merged
    bool FDone = false;
};

// The whole listing of text in one call.
TProgramListing ListProgram(const TCompileTarget& text);
