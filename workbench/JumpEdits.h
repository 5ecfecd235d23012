// The label commands of the workbench on the editor's lines: the goto addresses kept right
// ("Обновить адреса переходов", and F9, the Intel HEX export and the board model's run before they
// compile), "Назвать переходы", and the line a goto leads to (Ctrl+click, F12). Each edit is one
// undo step.
#pragma once

#include "compiler/Labels.h"

#include <optional>
#include <string_view>
#include <vector>

class TCodeCustomMemo;
struct TProgramListing;

// Rewrites every labelled goto whose address is not its label's offset, as one undo step, and
// returns the rewrites made; none leaves the text and the undo history alone.
std::vector<TJumpRewrite> UpdateJumpAddresses(TCodeCustomMemo& memo);

// Puts a label above every command a goto lands on and names it in the goto (NameJumps), as one
// undo step; false when there was nothing to name.
bool NameJumpsInEditor(TCodeCustomMemo& memo);

// Where a column (0-based, in the line as the editor holds it) lies in a goto line: on the four
// digits of its address, on the label name after them, or on neither (also for a line that is
// no goto). Label views the line.
struct TJumpOperandHit {
    bool OnAddress = false;
    bool OnName = false;
    std::optional<TJumpLabel> Label;

    bool Any() const { return OnAddress || OnName; }
};
TJumpOperandHit JumpOperandAt(std::string_view line, int column);

// The line that the goto of line leads to when column (0-based, in the line as the editor holds
// it) lies on its address or the label name after it: the first line of that label when there
// is one, else the line of the command at its address in listing (complete for the text).
// Nothing anywhere else, for a goto into a command or past the end, or for a label no line has.
std::optional<int> JumpTargetLine(const TCodeCustomMemo& memo, const TProgramListing& listing,
                                  int line, int column);
