// The gutter: the column at the editor's left edge with line numbers on a gradient, the red
// disc of every compiled line, the sign of a line with problems, and (when switched on) the
// modified bar and active-line arrow.
#pragma once

#include "editor/Font.h"
#include "editor/Graphics.h"

#include <functional>
#include <string>

class TCodeCustomMemo;
class Surface;

class TCodeGutter {
public:
    explicit TCodeGutter(TCodeCustomMemo& memo);

    TCodeCustomMemo& Memo() const { return FMemo; }
    // The gutter rectangle in the editor's client coordinates.
    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetHeight(int h) { FHeight = h; }
    // Places the gutter for the editor's border: inside a single border, or flush without one.
    void PlaceForBorder();

    TColor GutterColor() const { return FGutterColor; }
    void SetGutterColor(TColor c);
    // End colour of the left-to-right gradient; clNone paints GutterColor flat.
    TColor GutterColorTo() const { return FGutterColorTo; }
    void SetGutterColorTo(TColor c);
    bool ShowLeadingZeros() const { return FShowLeadingZeros; }
    void SetShowLeadingZeros(bool value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    int DigitCount() const { return FDigitCount; }
    void SetDigitCount(int count);
    int GutterWidth() const { return FGutterWidth; }
    void SetGutterWidth(int width);
    int GutterMargin() const { return FGutterMargin; }
    // Values below 45 become 45.
    void SetGutterMargin(int margin);
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& font);
    const std::string& NumberSuffix() const { return FNumberSuffix; }
    void SetNumberSuffix(std::string suffix);
    TColor LineNumberTextColor() const { return FLineNumberTextColor; }
    void SetLineNumberTextColor(TColor c);
    bool ShowLineNumbers() const { return FShowLineNumbers; }
    void SetShowLineNumbers(bool value);
    bool ShowModified() const { return FShowModified; }
    void SetShowModified(bool value);
    int LineNumberStart() const { return FLineNumberStart; }
    // Negative values are ignored.
    void SetLineNumberStart(int start);
    TColor ModifiedColor() const { return FModifiedColor; }
    void SetModifiedColor(TColor c);
    TColor ModifiedColorBkg() const { return FModifiedColorBkg; }
    void SetModifiedColorBkg(TColor c);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor c);

    // Raised when the gutter font changes.
    std::function<void(TCodeGutter&)> OnChange;

    // The text of a line number and the client x it is drawn at.
    struct TLineNumber {
        std::string Text;
        int X = 0;
    };
    TLineNumber FormatLineNumber(int number) const;

    // Paints the border lines, the background and every visible row (through the editor's
    // OnGutterDraw).
    void Paint(Surface& surface);
    // The built-in row painter: line number, modified bar, compiled-line disc, active arrow.
    void PaintLine(Surface& surface, int lineNo, const TRect& rct);
    // The sign of a line with problems: a red triangle when one is an error, else amber.
    void PaintProblemSign(Surface& surface, int lineNo, const TRect& rct);
    // Asks the host to repaint the gutter rectangle.
    void Invalidate();

private:
    void PaintGradient(Surface& surface, const TRect& r, TColor from, TColor to);

    TCodeCustomMemo& FMemo;
    int FLeft = 1;
    int FTop = 1;
    int FWidth = 45;
    int FHeight = 0;
    TColor FGutterColor = clBtnFace;
    TColor FGutterColorTo = clWhite;
    bool FShowLeadingZeros = false;
    bool FVisible = true;
    int FDigitCount = 4;
    int FGutterWidth = 45;
    int FGutterMargin = 45;
    TFont FFont;
    std::string FNumberSuffix;
    TColor FLineNumberTextColor = clBlack;
    bool FShowLineNumbers = true;
    bool FShowModified = false;
    int FLineNumberStart = 1;
    TColor FModifiedColor = clYellow;
    TColor FModifiedColorBkg = clLime;
    TColor FBorderColor = clGray;
};

// A colour channel by channel: start + n × (end − start) / 48, rounded half to even. Band n of
// the gutter gradient has this colour.
TColor GradientBandColor(TColor start, TColor end, int n);
