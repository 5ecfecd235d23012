// Two facilities of the editor that the workbench carries switched off: code folding
// (collapsing the regions the styler defines) and the completion list. They hold their
// settings; what they do when switched on is not built.
#pragma once

#include "editor/Graphics.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

// A small image owned by its holder; empty when it has no pixels.
struct TGlyph {
    int Width = 0;
    int Height = 0;
    std::vector<TColor> Pixels; // row by row
    bool Empty() const { return Pixels.empty(); }
    bool operator==(const TGlyph&) const = default;
};

// The editor's CodeFolding settings. Every change is told to the editor, which repaints.
class TCodeFolding {
public:
    explicit TCodeFolding(std::function<void()> changed) : FChanged(std::move(changed)) {}

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value) { Change(FEnabled, value); }
    TColor LineColor() const { return FLineColor; }
    void SetLineColor(TColor value) { Change(FLineColor, value); }
    const TGlyph& ExpandGlyph() const { return FExpandGlyph; }
    void SetExpandGlyph(TGlyph glyph) { Change(FExpandGlyph, std::move(glyph)); }
    const TGlyph& CollapsedGlyph() const { return FCollapsedGlyph; }
    void SetCollapsedGlyph(TGlyph glyph) { Change(FCollapsedGlyph, std::move(glyph)); }

private:
    template <typename T> void Change(T& field, T value) {
        field = std::move(value);
        if (FChanged)
            FChanged();
    }

    std::function<void()> FChanged;
    bool FEnabled = false;
    TColor FLineColor = clGray;
    TGlyph FExpandGlyph;
    TGlyph FCollapsedGlyph;
};

// The editor's AutoCompletion settings: the list never opens while Active is false.
struct TAutoCompletion {
    bool Active = false;
    std::vector<std::string> Words;
};
