// Gutter markers and their line shifts.
#include "editor/view/Markers.h"

#include <algorithm>

void TCodeMarkerList::Add(int line, int imageIndex, std::string text) {
    FMarkers.push_back(TCodeMarker{std::move(text), imageIndex, line});
}

const TCodeMarker* TCodeMarkerList::MarkerOf(int line) const {
    auto it = std::find_if(FMarkers.begin(), FMarkers.end(),
                           [line](const TCodeMarker& m) { return m.LineNumber == line; });
    return it == FMarkers.end() ? nullptr : &*it;
}

int TCodeMarkerList::ImageOf(int line) const {
    const TCodeMarker* marker = MarkerOf(line);
    return marker ? marker->ImageIndex : -1;
}

void TCodeMarkerList::Remove(int line) {
    auto it = std::find_if(FMarkers.begin(), FMarkers.end(),
                           [line](const TCodeMarker& m) { return m.LineNumber == line; });
    if (it != FMarkers.end())
        FMarkers.erase(it);
}

bool TCodeMarkerList::AnyAfter(int line) const {
    return std::any_of(FMarkers.begin(), FMarkers.end(),
                       [line](const TCodeMarker& m) { return m.LineNumber > line; });
}

void TCodeMarkerList::LinesDeleted(int from) {
    for (auto& marker : FMarkers)
        if (marker.LineNumber >= from)
            --marker.LineNumber;
}

void TCodeMarkerList::LinesInserted(int from) {
    for (auto& marker : FMarkers)
        if (marker.LineNumber >= from)
            ++marker.LineNumber;
}

int TCodeMarkerList::ShownImageOf(int line) const {
    const TCodeMarker* marker = MarkerOf(line);
    if (!marker)
        return -1;
    if (FUseDefaultMarkerImageIndex && FDefaultMarkerImageIndex >= 0)
        return FDefaultMarkerImageIndex;
    return marker->ImageIndex >= 0 ? marker->ImageIndex : -1;
}
