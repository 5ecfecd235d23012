// The caret, the selection and the mark as one value: where they stand and what follows from
// that. Moving them on screen (padding, scrolling, events, repaint) is the editor's business.
#pragma once

#include <compare>

// A place in the text: column X of line Y. The column may lie beyond the end of its line.
// Places order as their text offsets do: by line, then by column.
struct TTextPos {
    int X = 0;
    int Y = 0;

    friend bool operator==(const TTextPos&, const TTextPos&) = default;
    friend std::strong_ordering operator<=>(const TTextPos& a, const TTextPos& b) {
        if (auto byLine = a.Y <=> b.Y; byLine != 0)
            return byLine;
        return a.X <=> b.X;
    }
};

// A stretch of text with Start not after End.
struct TTextRange {
    TTextPos Start;
    TTextPos End;

    friend bool operator==(const TTextRange&, const TTextRange&) = default;
};

// The selection runs from Anchor, where it began, to End, its moving end, in either direction.
// The caret is not tied to it: selecting all or a word leaves the caret where it was. Mark is
// where the caret stood when the selection was last collapsed or extended; a Shift move
// extends the selection only while the caret is still there.
struct TCaretSelection {
    TTextPos Caret;
    TTextPos Anchor;
    TTextPos End;
    TTextPos Mark;

    friend bool operator==(const TCaretSelection&, const TCaretSelection&) = default;

    bool Empty() const { return Anchor == End; }
    TTextRange Normalized() const {
        return Anchor <= End ? TTextRange{Anchor, End} : TTextRange{End, Anchor};
    }
    bool CaretAtMark() const { return Caret == Mark; }
    // Everything at p: the caret and an empty selection.
    void CollapseTo(TTextPos p) { Caret = Anchor = End = Mark = p; }
    // The caret, the moving end and the mark to p; the anchor stays.
    void ExtendTo(TTextPos p) { Caret = End = Mark = p; }
};
