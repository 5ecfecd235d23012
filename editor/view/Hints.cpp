// The parameter hint of the editor: when it shows, where, and when it hides.
#include "editor/CodeMemo.h"

#include "editor/style/CodeStyleIF.h"
#include "editor/view/Gutter.h"
#include "editor/view/ParameterHint.h"

void TCodeCustomMemo::UpdateParameterHint(bool manual) {
    if (FAutoHintParameters == hpNone || (!manual && FAutoHintParameters != hpAuto))
        return;
    bool visible = CurY() >= FTopLine && CurY() < FTopLine + VisibleRows();
    if (!StylerUsed() || !visible || CurY() < 0 || CurY() >= FLines->Count()) {
        HideParameterHint();
        return;
    }
    const THintParameter& hint = FSyntaxStyles->HintParameter();
    THintChars chars{hint.HintCharStart, hint.HintCharEnd, hint.HintCharDelimiter,
                     hint.HintCharWriteDelimiter};
    std::optional<THintParts> parts = ParameterHintFor(
        FLines->Line(CurY()), CurX(), hint.Parameters.Items(), FCaseSensitive, chars);
    if (!parts) {
        HideParameterHint();
        return;
    }
    int gutter = FGutter->Visible() ? FGutter->GutterWidth() : 0;
    int rows = FAutoHintPosition == hpBelowCode ? CurY() - FTopLine + 1 : CurY() - FTopLine - 1;
    TPoint at =
        FHost.ClientToScreen(TPoint{gutter + (CurX() - FLeftCol) * FCharWidth, rows * FLineHeight});
    FHost.ShowHint(*parts, FFont.Name, FFont.Height, hint.TextColor, hint.BkColor, at);
    FHintVisible = true;
    FHost.StartTimer(kHintTimer, FAutoHintParameterDelay);
}

void TCodeCustomMemo::HideParameterHint() {
    if (!FHintVisible)
        return;
    FHintVisible = false;
    FHost.StopTimer(kHintTimer);
    FHost.HideHint();
}

void TCodeCustomMemo::SetAutoHintParameters(TAutoHintParameters value) {
    FAutoHintParameters = value;
    HideParameterHint();
}

void TCodeCustomMemo::TimerExpired(int id) {
    if (id == kHintTimer)
        HideParameterHint();
}
