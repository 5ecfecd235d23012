// Label edits over the editor's lines, each made as one batch of line edits.
#include "workbench/JumpEdits.h"

#include "compiler/CommandSet.h"
#include "compiler/ProgramListing.h"
#include "editor/CodeMemo.h"
#include "workbench/MemoCompileTarget.h"

std::vector<TJumpRewrite> UpdateJumpAddresses(TCodeCustomMemo& memo) {
    TMemoCompileTarget target(memo);
    std::vector<TJumpRewrite> rewrites = FindJumpRewrites(target);
    std::vector<TLineBatchStep> steps;
    steps.reserve(rewrites.size());
    const TCodeMemoStrings& lines = memo.Lines();
    for (const TJumpRewrite& rewrite : rewrites) {
        std::string text(lines.Line(rewrite.Line));
        std::size_t at = text.find_first_not_of(' ');
        if (at == std::string::npos || text.compare(at, rewrite.OldText.size(), rewrite.OldText))
            continue;
        text.replace(at, rewrite.OldText.size(), rewrite.NewText);
        steps.push_back(TLineBatchStep{rewrite.Line, TLineBatchStep::Replace, std::move(text)});
    }
    memo.EditLines(std::move(steps));
    return rewrites;
}

bool NameJumpsInEditor(TCodeCustomMemo& memo) {
    const TCodeMemoStrings& lines = memo.Lines();
    std::vector<std::string> old = lines.ToVector();
    std::vector<std::string> named = NameJumps(old);
    // NameJumps only adds label lines and appends names to gotos (which stay commands), so the
    // two texts are walked side by side: a label line in the new text where the old has none
    // is inserted, any other difference is a goto named.
    std::vector<TLineBatchStep> steps;
    std::size_t j = 0;
    for (std::size_t i = 0; i < old.size() && j < named.size(); ++j) {
        const int line = static_cast<int>(i);
        if (named[j] == old[i]) {
            ++i;
        } else if (named.size() - j > old.size() - i && IsLabelLine(named[j])) {
            steps.push_back(TLineBatchStep{line, TLineBatchStep::Insert, std::move(named[j])});
        } else {
            steps.push_back(TLineBatchStep{line, TLineBatchStep::Replace, std::move(named[j])});
            ++i;
        }
    }
    if (steps.empty())
        return false;
    memo.EditLines(std::move(steps));
    return true;
}

TJumpOperandHit JumpOperandAt(std::string_view line, int column) {
    TJumpOperandHit hit;
    std::string_view tidy = TidyLine(line);
    const TCommand* command = RecognizeCommand(tidy);
    if (!command || command->Form != TOperandForm::Address)
        return hit;
    const int indent = static_cast<int>(line.size() - tidy.size());
    const int address = indent + command->Operand[0] - 1;
    hit.OnAddress = column >= address && column < address + 4;
    hit.Label = JumpLabel(tidy);
    if (hit.Label) {
        const int name = indent + hit.Label->Column - 1;
        hit.OnName = column >= name && column < name + static_cast<int>(hit.Label->Name.size());
    }
    return hit;
}

std::optional<int> JumpTargetLine(const TCodeCustomMemo& memo, const TProgramListing& listing,
                                  int line, int column) {
    const TCodeMemoStrings& lines = memo.Lines();
    if (line < 0 || line >= lines.Count())
        return std::nullopt;
    const TJumpOperandHit hit = JumpOperandAt(lines.Line(line), column);
    if (!hit.Any())
        return std::nullopt;
    if (hit.Label) {
        // The listing's labels are in line order: the first of the name is the one it means.
        for (const TLabel& label : listing.Labels)
            if (label.Name == hit.Label->Name)
                return label.Line;
        if (hit.OnName)
            return std::nullopt;
    }
    const int entry = listing.EntryOfLine(line);
    const int target = entry < 0 ? -1 : listing.JumpTargetOf(entry);
    if (target < 0)
        return std::nullopt;
    return listing.Entries[static_cast<std::size_t>(target)].Line;
}
