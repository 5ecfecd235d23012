// Gutter markers: images attached to line numbers. The editor keeps them in step with the
// lines when Enter breaks a line, Backspace joins two and a whole line is deleted.
#pragma once

#include "editor/Graphics.h"

#include <string>
#include <vector>

class Surface;

// Images drawn by index, such as the marker images of the gutter. The editor owns none.
class TImageList {
public:
    virtual ~TImageList() = default;
    virtual int Count() const = 0;
    // Draws image index with its top-left corner at (x, y).
    virtual void Draw(Surface& surface, int index, int x, int y) const = 0;
};

struct TCodeMarker {
    std::string Text; // also the marker's display name when not empty
    int ImageIndex = 0;
    int LineNumber = 0;
};

class TCodeMarkerList {
public:
    std::vector<TCodeMarker>& Markers() { return FMarkers; }
    const std::vector<TCodeMarker>& Markers() const { return FMarkers; }
    void Add(int line, int imageIndex = 0, std::string text = {});

    // The first marker of line, or nullptr.
    const TCodeMarker* MarkerOf(int line) const;
    bool HasMarker(int line) const { return MarkerOf(line) != nullptr; }
    // The image of line's first marker, -1 without one.
    int ImageOf(int line) const;
    // Removes the first marker of line.
    void Remove(int line);
    // Is there a marker on a line after line?
    bool AnyAfter(int line) const;
    // Every marker on line from or below moves up one line.
    void LinesDeleted(int from);
    // Every marker on line from or below moves down one line.
    void LinesInserted(int from);

    // Where marker images come from (not owned; none in the workbench).
    const TImageList* MarkerImageList() const { return FMarkerImageList; }
    void SetMarkerImageList(const TImageList* images) { FMarkerImageList = images; }
    // With UseDefaultMarkerImageIndex every marker shows the default image. Both setters ignore
    // values given while the editor is loaded from its stored form.
    int DefaultMarkerImageIndex() const { return FDefaultMarkerImageIndex; }
    void SetDefaultMarkerImageIndex(int index) {
        if (!FLoading)
            FDefaultMarkerImageIndex = index;
    }
    bool UseDefaultMarkerImageIndex() const { return FUseDefaultMarkerImageIndex; }
    void SetUseDefaultMarkerImageIndex(bool value) {
        if (!FLoading)
            FUseDefaultMarkerImageIndex = value;
    }
    // The image index the gutter draws for line's first marker: the default when it is used,
    // else the marker's own; -1 for none.
    int ShownImageOf(int line) const;
    TColor ImageTransparentColor() const { return FImageTransparentColor; }
    void SetImageTransparentColor(TColor c) { FImageTransparentColor = c; }
    // Set while the editor is loaded from its stored form.
    void SetLoading(bool loading) { FLoading = loading; }

private:
    std::vector<TCodeMarker> FMarkers;
    const TImageList* FMarkerImageList = nullptr;
    int FDefaultMarkerImageIndex = -1;
    bool FUseDefaultMarkerImageIndex = false;
    TColor FImageTransparentColor = clWhite;
    bool FLoading = false;
};
