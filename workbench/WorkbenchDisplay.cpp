// The workbench editor's display configuration and keywords.
#include "workbench/WorkbenchDisplay.h"

#include "compiler/CommandSet.h"
#include "compiler/ProgramListing.h"
#include "editor/CodeMemo.h"
#include "editor/style/CodePasStyler.h"
#include "editor/view/Gutter.h"

void ConfigureWorkbenchDisplay(TCodeCustomMemo& memo) {
    memo.SetFont(TFont{"COURIER NEW", -13, clBlack, 0});
    memo.SetBkColor(clWhite);
    memo.SetSelColor(clWhite);
    memo.SetSelBkColor(clNavy);
    memo.SetBreakpointColor(0xFFBBCC);
    memo.SetBreakpointTextColor(clDefault);
    memo.SetRightMarginColor(0xE2E2E2);
    memo.SetShowRightMargin(true);
    memo.SetBorderStyle(bsSingle);
    memo.SetCtl3D(false);
    memo.SetBorderColor(clGray);
    memo.SetHideSelection(true);
    memo.SetScrollBars(ssBoth);
    memo.ActiveLineSettings().SetShowActiveLine(false);
    memo.ActiveLineSettings().SetShowActiveLineIndicator(false);

    TCodeGutter& gutter = memo.Gutter();
    gutter.SetDigitCount(4);
    gutter.SetFont(TFont{"Courier New", -13, clBlack, 0});
    gutter.SetGutterWidth(60);
}

std::vector<std::string> WorkbenchCommandWords() {
    return KeywordsSorted();
}

bool IsCompiledCommandWord(std::string_view line, int column, int length) {
    std::string_view tidy = TidyLine(line);
    const TCommand* command = RecognizeCommand(tidy);
    if (!command)
        return false;
    const auto start = static_cast<int>(line.size() - tidy.size());
    return column >= start && column + length <= start + static_cast<int>(command->Mnemonic.size());
}

void ConfigureCommandStyler(TCodePascalMemoStyler& styler) {
    ConfigureWorkbenchStyler(styler, WorkbenchCommandWords());
    styler.SetKeywordFilter(IsCompiledCommandWord);
}
