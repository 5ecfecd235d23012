// Option objects of the editor's display: the border and scroll-bar styles and the active-line
// settings.
#pragma once

#include "editor/Graphics.h"
#include "editor/commands/BlockMatch.h"

class TCodeCustomMemo;

enum TBorderStyle { bsNone, bsSingle };
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// How the active line is shown: coloured across the text area, and by an arrow in the gutter.
class TCodeActiveLineSettings {
public:
    explicit TCodeActiveLineSettings(TCodeCustomMemo& memo) : FMemo(memo) {}

    bool ShowActiveLine() const { return FShowActiveLine; }
    void SetShowActiveLine(bool value);
    bool ShowActiveLineIndicator() const { return FShowActiveLineIndicator; }
    void SetShowActiveLineIndicator(bool value);
    TColor ActiveLineColor() const { return FActiveLineColor; }
    void SetActiveLineColor(TColor c);
    TColor ActiveLineTextColor() const { return FActiveLineTextColor; }
    void SetActiveLineTextColor(TColor c);
    // When switched on, the caret's line becomes the active line.
    bool ActiveLineAtCursor() const { return FActiveLineAtCursor; }
    void SetActiveLineAtCursor(bool value);
    // When switched on, the active line keeps its own colours on a line with a compile mark,
    // whose colours win otherwise.
    bool ActiveLineOverBreakpoint() const { return FActiveLineOverBreakpoint; }
    void SetActiveLineOverBreakpoint(bool value);

private:
    TCodeCustomMemo& FMemo;
    bool FShowActiveLine = false;
    bool FShowActiveLineIndicator = false;
    TColor FActiveLineColor = 0x800000;
    TColor FActiveLineTextColor = clYellow;
    bool FActiveLineAtCursor = false;
    bool FActiveLineOverBreakpoint = false;
};
