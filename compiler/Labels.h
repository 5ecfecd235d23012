// Labels: a line "name:" marks the offset of the next command, and "goto_XXXX name" names the
// label its address should be. The compiler passes over both (a label line is no command, a
// goto's text after its address is ignored), so the image is always the written address; these
// functions keep those addresses right and warn where they are not.
#pragma once

#include "compiler/Compiler.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The name of a label line: leading spaces, a name, ":", then optionally spaces and a "//"
// comment. A name is Latin or Cyrillic (Windows-1251) letters, digits and "_", starting with a
// letter or "_". Nothing for any other line. A line of this form whose name begins with a
// mnemonic is a command all the same: IsLabelLine tells the two apart.
std::optional<std::string_view> LabelName(std::string_view line);
bool IsLabelLine(std::string_view line);
// True when text, all of it, is a name of that form.
bool IsLabelName(std::string_view text);

// The label a goto names after its address, in a tidied goto line: "goto_0018 loop", the name
// after spaces and optionally followed by spaces and a "//" comment. Column is 1-based.
struct TJumpLabel {
    std::string_view Name;
    int Column = 0;
};
std::optional<TJumpLabel> JumpLabel(std::string_view tidyGoto);

struct TLabel {
    std::string Name;
    int Line = 0;   // 0-based
    int Indent = 0; // leading spaces
    int Offset = 0; // of the next command after it; the program's size when none follows
};

// A goto that names a label.
struct TLabelledJump {
    int Line = 0;
    int Indent = 0; // leading spaces before "goto"
    std::string Name;
    int NameColumn = 0;         // 1-based in the tidied line
    std::string Written;        // "goto_0018", as written
    std::optional<int> Address; // the written address; nothing when it is not four hex digits
};

// Every label and labelled goto of a text, read as the compile reads it.
struct TLabelScan {
    std::vector<TLabel> Labels; // in line order, duplicates included
    std::vector<TLabelledJump> Jumps;
    std::vector<int> CommandLabels; // lines of the form "name:" that are commands
    int ProgramSize = 0;
    std::vector<std::size_t> ByName; // the first label of each name, sorted by name

    // The first label of that name, or nullptr.
    const TLabel* Find(std::string_view name) const;
};
TLabelScan ScanLabels(const TCompileTarget& text);
// ScanLabels in pieces: each line in order (tidied, its leading spaces and the command it is,
// if any); IndexLabels after each piece with the number of labels before it, which adds the
// piece's labels to ByName; FinishLabelScan once at the end.
void ScanLabelLine(TLabelScan& scan, int index, std::string_view tidy, int indent,
                   const TCommand* command);
void IndexLabels(TLabelScan& scan, std::size_t first);
void FinishLabelScan(TLabelScan& scan);

// A labelled goto whose address is not its label's offset, and the text that puts it right.
struct TJumpRewrite {
    int Line = 0;
    std::string OldText; // "goto_0018"
    std::string NewText; // "goto_0019"
    std::string Label;
};

// Every rewrite text needs, in line order. Gotos naming an unknown label or one no command
// follows are left alone (they are warnings), as is an offset a goto cannot hold.
std::vector<TJumpRewrite> FindJumpRewrites(const TCompileTarget& text);

// Puts rewrites into lines (as written, TABs allowed before the goto). Returns how many lines
// changed.
int ApplyJumpRewrites(std::vector<std::string>& lines, const std::vector<TJumpRewrite>& rewrites);

// The label warnings of text (in line order; Text is the tidied line, Indent its leading
// spaces): a label no command follows, a second label of one name, a goto naming an unknown
// label or one beyond the addresses a goto holds, a labelled goto with a stale address, and a
// label line that reads as a command.
std::vector<TCompileWarning> LabelWarnings(const TCompileTarget& text);
// The same of a finished scan of text.
std::vector<TCompileWarning> LabelWarnings(const TLabelScan& scan, const TCompileTarget& text);

// LabelWarnings of a finished scan in pieces: Continue works through at most count more labels
// and gotos and tells when all are done; Take then gives the warnings and starts over. TakeLists
// gives them unmerged: those of the labels, of the gotos and of the labels that are commands,
// each in line order, in the order Take merges them.
class TLabelWarningBuilder {
public:
    bool Continue(const TLabelScan& scan, const TCompileTarget& text, int count);
    std::vector<TCompileWarning> Take();
    std::array<std::vector<TCompileWarning>, 3> TakeLists();

private:
    std::size_t FLabel = 0;
    std::size_t FJump = 0;
    std::size_t FCommandLabel = 0;
    std::vector<TCompileWarning> FLabelWarnings; // each in line order
    std::vector<TCompileWarning> FJumpWarnings;
    std::vector<TCompileWarning> FCommandLabelWarnings;
};

// "Назвать переходы": the lines with a label line "mN:" above every command a goto lands on (or
// the label already marking it) and its name appended to each such goto. Gotos that already
// name a label, land inside a command or past the end, or carry trailing text other than a
// "//" comment are left as they are. The image compiled from the result is the same.
std::vector<std::string> NameJumps(const std::vector<std::string>& lines);
