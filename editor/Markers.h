// Gutter markers: images attached to line numbers. The editor keeps them in step with the
// lines when Enter breaks a line, Backspace joins two and a whole line is deleted.
#pragma once

#include <string>
#include <vector>

struct TCodeMarker {
    std::string Text;
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

private:
    std::vector<TCodeMarker> FMarkers;
};
