// Painting of the editor control: the gutter, every visible line composed in its line image
// with styled runs, the selection, compile-marked rows, the active line, block marks and the
// wavy underlines of problems, then the blank area, the left margin, the scroll-bar corners,
// the right margin and the border.
#include "editor/CodeMemo.h"

#include "editor/style/LongLineScans.h"
#include "editor/style/Tokenizer.h"
#include "editor/view/Gutter.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace {

struct TRunColors {
    TColor Text;
    TColor Bk;
    TFontStyles Style;
};

struct TSelection {
    bool Active = false;
    int StartLine = 0;
    int StartCol = 0;
    int EndLine = 0;
    int EndCol = 0;
};

// Splits a run at offset o of n characters on line l into before / selected / after lengths.
void SplitBySelection(const TSelection& sel, int l, int o, int n, int& b, int& e) {
    b = n;
    e = n;
    if (!sel.Active || l < sel.StartLine || l > sel.EndLine)
        return;
    if (sel.StartLine < l && l < sel.EndLine) {
        b = 0;
        e = n;
    } else if (sel.StartLine == l && l == sel.EndLine) {
        if (sel.StartCol == sel.EndCol || sel.StartCol >= o + n)
            return;
        if (o >= sel.EndCol) {
            b = e = 0;
            return;
        }
        b = sel.StartCol - o;
        e = sel.EndCol - o;
    } else if (sel.StartLine == l) {
        b = sel.StartCol - o;
        e = n;
    } else {
        b = 0;
        e = sel.EndCol - o;
    }
    e = std::clamp(e, 0, n);
    b = std::clamp(b, 0, n);
    b = std::min(b, e);
}

class TPainter {
public:
    TPainter(TCodeCustomMemo& memo, Surface& surface)
        : FMemo(memo), FSurface(surface), FArea(memo.TextArea()),
          FTokenizer(memo.StylerUsed() ? memo.SyntaxStyles() : nullptr, memo.UrlAware(),
                     memo.CaseSensitive()) {
        FSelection = OrderedSelection();
        FFirstCol = memo.LeftCol();
        FEndCol = FFirstCol + std::max(0, FArea.Width()) / std::max(1, memo.CharWidth()) + 1;
    }

    void PaintLines(ScanState state);
    const TLineTokenizer& Tokenizer() const { return FTokenizer; }

private:
    TSelection OrderedSelection() const;
    TRunColors RunColors(const ScanState& s) const;
    // nextLinePainted: the state the next line starts with is wanted.
    void PaintLine(int line, int row, ScanState& state, bool nextLinePainted);
    // Draws the part of text, which starts in column col of the line, that falls in the view.
    void DrawPart(std::string_view text, int col, const TRunColors& colors);
    // DrawPart with the cells of the line's search matches (FMatches) on their background.
    void DrawHighlighted(std::string_view text, int col, const TRunColors& colors);
    // The search matches of line that the view shows, as [start, end) columns, in FMatches.
    void FindMatches(std::string_view line);

    TCodeCustomMemo& FMemo;
    Surface& FSurface;
    TRect FArea;
    TLineTokenizer FTokenizer;
    TSelection FSelection;
    TFontStyles FCurrentStyle = 0xFF;
    int FFirstCol; // the columns of the line that the text area shows
    int FEndCol;
    std::vector<std::pair<int, int>> FMatches;
    int FLine = 0; // the line FMatches are of
};

TSelection TPainter::OrderedSelection() const {
    TSelection sel;
    if (FMemo.HideSelection() && !FMemo.GetHost().HasFocus())
        return sel;
    sel.Active = true;
    sel.StartLine = FMemo.SelStartY();
    sel.StartCol = FMemo.SelStartX();
    sel.EndLine = FMemo.SelEndY();
    sel.EndCol = FMemo.SelEndX();
    if (sel.EndLine < sel.StartLine ||
        (sel.EndLine == sel.StartLine && sel.EndCol < sel.StartCol)) {
        std::swap(sel.StartLine, sel.EndLine);
        std::swap(sel.StartCol, sel.EndCol);
    }
    return sel;
}

TRunColors TPainter::RunColors(const ScanState& s) const {
    const TFont& font = FMemo.Font();
    TColor bkColor = FMemo.BkColor();
    TRunColors c{font.Color, bkColor, font.Style};
    auto useChar = [&](const TCharStyle& cs) {
        c.Text = cs.TextColor();
        c.Style = cs.Style();
        c.Bk = cs.BkColor() == clNone ? bkColor : cs.BkColor();
    };
    auto useElement = [&](int index) {
        const TCodeCustomMemoStyler* styler = FMemo.StylerUsed() ? FMemo.SyntaxStyles() : nullptr;
        const TElementStyle* item = styler ? styler->AllStyles().Find(index) : nullptr;
        if (!item) {
            c = TRunColors{font.Color, bkColor, font.Style};
            return;
        }
        c.Text = item->Font().Color;
        c.Style = item->Font().Style;
        c.Bk = item->BGColor() == clNone ? bkColor : item->BGColor();
    };
    const TCodeCustomMemoStyler* styler = FMemo.StylerUsed() ? FMemo.SyntaxStyles() : nullptr;
    if (s.InComment && !s.IsUrl) {
        if (styler)
            useChar(styler->CommentStyle());
    } else if (!s.InBracket || s.IsUrl) {
        if (s.IsNumber && styler)
            useChar(styler->NumberStyle());
        if (s.IsSymbol || s.IsKeyword)
            useElement(s.StyleIndex);
        if (s.IsUrl)
            useChar(FMemo.UrlStyle());
    } else {
        useElement(s.StyleIndex);
    }
    return c;
}

void TPainter::DrawPart(std::string_view text, int col, const TRunColors& colors) {
    // Only the cells inside the line image are drawn, with one cell to spare on either side
    // for glyphs that lean over their cell.
    const int first = std::max(col, FFirstCol - 1);
    const int end = std::min(col + static_cast<int>(text.size()), FEndCol + 1);
    if (first >= end)
        return;
    if (colors.Style != FCurrentStyle) {
        const TFont& font = FMemo.Font();
        FSurface.SetFont(font.Name, font.Height, colors.Style);
        FCurrentStyle = colors.Style;
    }
    FSurface.DrawText(
        (first - FMemo.LeftCol()) * FMemo.CharWidth(), 0,
        text.substr(static_cast<std::size_t>(first - col), static_cast<std::size_t>(end - first)),
        colors.Text, colors.Bk);
}

void TPainter::FindMatches(std::string_view line) {
    FMatches.clear();
    const TSearchPattern& pattern = FMemo.SearchHighlight().Pattern;
    if (pattern.Empty())
        return;
    // From the first match that may reach into the view; on a long line only the bytes near
    // the view are read.
    const int length = pattern.Length();
    for (int col = pattern.FindIn(line, FFirstCol - length + 1, FEndCol); col >= 0;
         col = pattern.FindIn(line, col + length, FEndCol))
        FMatches.emplace_back(col, col + length);
}

void TPainter::DrawHighlighted(std::string_view text, int col, const TRunColors& colors) {
    const int end = col + static_cast<int>(text.size());
    int at = col;
    for (auto [first, stop] : FMatches) {
        if (stop <= at || first >= end)
            continue;
        const int start = std::max(first, at);
        stop = std::min(stop, end);
        DrawPart(
            text.substr(static_cast<std::size_t>(at - col), static_cast<std::size_t>(start - at)),
            at, colors);
        const TSearchHighlight& highlight = FMemo.SearchHighlight();
        TRunColors lit = colors;
        lit.Bk = FLine == highlight.CurrentLine && first == highlight.CurrentCol
                     ? highlight.CurrentColor
                     : highlight.Color;
        DrawPart(text.substr(static_cast<std::size_t>(start - col),
                             static_cast<std::size_t>(stop - start)),
                 start, lit);
        at = stop;
    }
    DrawPart(text.substr(static_cast<std::size_t>(at - col)), at, colors);
}

void TPainter::PaintLine(int line, int row, ScanState& state, bool nextLinePainted) {
    const int charWidth = FMemo.CharWidth();
    const int lineHeight = FMemo.LineHeight();
    const int imageWidth = std::max(0, FArea.Width());
    const int top = FArea.Top + 1 + row * lineHeight;
    const TLineProp* prop = FMemo.Lines().GetLineProp(line);
    const TCodeActiveLineSettings& active = FMemo.ActiveLineSettings();
    const bool activeLine = line == FMemo.ActiveLine() && active.ShowActiveLine();
    const bool breakpoint =
        prop && prop->Breakpoint && !(activeLine && active.ActiveLineOverBreakpoint());
    const TBlockMatch* marks[2] = {&FMemo.BlockMarkStart(), &FMemo.BlockMarkEnd()};

    FSurface.BeginImage(TRect{FArea.Left, top, FArea.Left + imageWidth, top + lineHeight});
    FSurface.FillRect(TRect{0, 0, imageWidth, lineHeight}, FMemo.BkColor());

    std::string_view text = FMemo.Lines().Line(line);
    FLine = line;
    FindMatches(text);
    const int leftCol = FMemo.LeftCol();
    auto drawRun = [&](const TRun& run) {
        if (run.Offset + run.Length < FFirstCol - 1 || run.Offset > FEndCol)
            return;
        TRunColors colors = RunColors(run.State);
        if (activeLine) {
            colors.Text = active.ActiveLineTextColor();
            colors.Bk = active.ActiveLineColor();
        }
        if (breakpoint) {
            colors.Text = FMemo.BreakpointTextColor();
            colors.Bk = FMemo.BreakpointColor();
        }
        // clDefault as a text colour: the editor font's colour.
        if (colors.Text == clDefault)
            colors.Text = FMemo.Font().Color;
        std::string_view runText =
            text.substr(static_cast<std::size_t>(run.Offset), static_cast<std::size_t>(run.Length));
        int b = 0;
        int e = 0;
        SplitBySelection(FSelection, line, run.Offset, run.Length, b, e);
        TRunColors remembered = colors;
        if (FMemo.BlockShow()) {
            // The run's first cell, counted from the left edge of the view.
            const int cell = run.Offset - leftCol;
            for (const TBlockMatch* mark : marks)
                if (mark->Line == line && mark->Col >= 0 && cell == mark->Col)
                    colors.Bk = FMemo.BlockColor();
        }
        DrawHighlighted(runText.substr(0, static_cast<std::size_t>(b)), run.Offset, colors);
        if (e > b) {
            TRunColors selected = colors;
            if (activeLine || breakpoint) {
                std::swap(selected.Text, selected.Bk);
            } else {
                selected.Text = FMemo.SelColor();
                selected.Bk = FMemo.SelBkColor();
            }
            DrawPart(runText.substr(static_cast<std::size_t>(b), static_cast<std::size_t>(e - b)),
                     run.Offset + b, selected);
        }
        DrawHighlighted(runText.substr(static_cast<std::size_t>(e)), run.Offset + e, remembered);
    };
    if (static_cast<int>(text.size()) < TLongLineScans::kMinLength) {
        FTokenizer.TokenizeLine(text, state, drawRun);
    } else {
        TLongLineScans::TLine& known =
            FMemo.LongLineScans().For(line, state, FMemo.Lines(), FTokenizer.Rules());
        if (std::optional<ScanState> next = TokenizeVisible(FTokenizer, text, known, FFirstCol,
                                                            FEndCol, nextLinePainted, drawRun))
            state = *next;
    }

    TColor rest = FMemo.BkColor();
    if (breakpoint)
        rest = FMemo.BreakpointColor();
    else if (activeLine)
        rest = active.ActiveLineColor();
    const int textEnd = static_cast<int>(text.size());
    if (textEnd < FEndCol) {
        int x = (textEnd - leftCol) * charWidth;
        if (x < imageWidth)
            FSurface.FillRect(TRect{std::max(0, x), 0, imageWidth, lineHeight}, rest);
    }

    if (FMemo.BlockShow() && FMemo.BlockLineColor() != clNone) {
        for (const TBlockMatch* mark : marks) {
            if (mark->Line != line || mark->Col < 0)
                continue;
            int x1 = (mark->Col - leftCol) * charWidth;
            int x2 = (mark->Col + mark->Len - leftCol) * charWidth;
            FSurface.FillRect(TRect{x1, lineHeight - 2, x2, lineHeight - 1},
                              FMemo.BlockLineColor());
        }
    }
    // The problems of the line: a wave under each span, over whatever the line shows.
    for (const TCodeProblem& problem : FMemo.Problems().OfLine(line)) {
        const int first = std::max(problem.Start, FFirstCol);
        const int end = std::min(problem.End, FEndCol);
        if (first < end)
            FSurface.WavyLine((first - leftCol) * charWidth, (end - leftCol) * charWidth,
                              lineHeight - 3, ProblemColor(problem.Kind));
    }
    FSurface.EndImage();
}

void TPainter::PaintLines(ScanState state) {
    const int lineHeight = std::max(1, FMemo.LineHeight());
    const int count = FMemo.Lines().Count();
    const int topLine = FMemo.TopLine();
    const int wholeRows = (FArea.Bottom - 1 - FArea.Top) / lineHeight;
    int line = topLine;
    const int lastLine = std::min(topLine + wholeRows, count - 1);
    for (; line <= lastLine; ++line)
        PaintLine(line, line - topLine, state, line < lastLine);
    if (line >= count) {
        int top = FArea.Top + 1 + std::max(0, line - topLine) * lineHeight;
        if (top < FArea.Bottom)
            FSurface.FillRect(TRect{FArea.Left, top, FArea.Right, FArea.Bottom}, FMemo.BkColor());
    }
}

} // namespace

void TCodeCustomMemo::Paint(Surface& surface) {
    if (FLines->LockCount() > 0)
        return;
    if (!FFontMeasured)
        MeasureFont(surface);
    surface.SetFont(FFont.Name, FFont.Height, FFont.Style);

    TRect area = TextArea();
    TRect client = FHost.ClientRect();
    if (FGutter->GutterWidth() > 1 && FGutter->Visible()) {
        FGutter->SetHeight(area.Height());
        FGutter->Paint(surface);
    }
    if (area.Top < 2)
        surface.FillRect(TRect{area.Left, area.Top, area.Right, 2}, FBkColor);

    TPainter painter(*this, surface);
    ScanState state;
    if (FTopStateCacheValid && FTopStateLine == FTopLine) {
        state = LoadScanState(FTopState);
    } else {
        state = LineStartState(*FLines, FTopLine, painter.Tokenizer(), FCheckpointLimit);
        FTopState = SaveScanState(state);
        FTopStateLine = FTopLine;
        FTopStateCacheValid = true;
    }
    painter.PaintLines(state);

    for (int i = 1; i <= FLeftMarginWidth; ++i)
        surface.FillRect(TRect{area.Left - i, area.Top, area.Left - i + 1, area.Bottom}, FBkColor);
    for (TScrollBarKind kind : {TScrollBarKind::Vertical, TScrollBarKind::Horizontal}) {
        TRect bar = ScrollBarRect(kind);
        if (!bar.IsEmpty())
            surface.FillRect(TRect{bar.Left - 1, bar.Top - 1, bar.Right + 1, bar.Bottom + 1},
                             clScrollBar);
    }
    // The square where both bars meet belongs to neither.
    TRect vert = ScrollBarRect(TScrollBarKind::Vertical);
    TRect horz = ScrollBarRect(TScrollBarKind::Horizontal);
    if (!vert.IsEmpty() && !horz.IsEmpty())
        surface.FillRect(TRect{vert.Left, horz.Top, vert.Right, horz.Bottom}, clBtnFace);

    if (FRightMargin > 0 && FShowRightMargin) {
        surface.SetFont(FFont.Name, FFont.Height, FFont.Style);
        int x = area.Left + surface.TextWidth("w") * (FRightMargin - FLeftCol);
        surface.FillRect(TRect{x - 1, area.Top, x + 1, area.Bottom}, FRightMarginColor);
    }

    int w = client.Width();
    int h = client.Height();
    if (FBorderStyle != bsNone && !FCtl3D) {
        surface.FillRect(TRect{0, 0, 1, h}, FBorderColor);
        surface.FillRect(TRect{0, 0, w, 1}, FBorderColor);
        surface.FillRect(TRect{w - 1, 0, w, h}, FBorderColor);
        surface.FillRect(TRect{0, h - 1, w, h}, FBorderColor);
    } else if (FBorderStyle != bsNone) {
        // A sunken frame laid on (-10, -10)-(w, h): only its right and bottom edges show.
        surface.FillRect(TRect{w - 1, 0, w, h}, clWhite);
        surface.FillRect(TRect{0, h - 1, w, h}, clWhite);
        surface.FillRect(TRect{w - 2, 0, w - 1, h - 1}, 0xD0D0D0);
        surface.FillRect(TRect{0, h - 2, w - 1, h - 1}, 0xD0D0D0);
    }
}
