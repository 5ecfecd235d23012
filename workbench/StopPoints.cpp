// Stop points as gutter markers.
#include "workbench/StopPoints.h"

#include "editor/CodeMemo.h"

#include <algorithm>

namespace {

constexpr TColor kStopPointRim = 0xF4F4F4;
constexpr TColor kStopPointRed = 0x2818B4; // crimson, darker than the compile mark's clRed

} // namespace

// A "no entry" sign: a crimson disc with a light rim and a white bar, larger than the compile
// mark's red disc beside it and unlike it at a glance.
void TStopPointImages::Draw(Surface& surface, int, int x, int y) const {
    surface.Ellipse(TRect{x - 1, y - 2, x + 14, y + 13}, kStopPointRim, kStopPointRim);
    surface.Ellipse(TRect{x, y - 1, x + 13, y + 12}, kStopPointRed, kStopPointRed);
    surface.FillRect(TRect{x + 3, y + 4, x + 10, y + 7}, clWhite);
}

void ToggleStopPoint(TCodeCustomMemo& memo, int line) {
    if (line < 0 || line >= memo.Lines().Count())
        return;
    TCodeMarkerList& markers = memo.MarkerList();
    if (markers.HasMarker(line))
        markers.Remove(line);
    else
        markers.Add(line);
    memo.Invalidate();
}

std::vector<int> StopPointLines(const TCodeCustomMemo& memo) {
    std::vector<int> lines;
    for (const TCodeMarker& marker : memo.MarkerList().Markers())
        if (marker.LineNumber >= 0 && marker.LineNumber < memo.Lines().Count())
            lines.push_back(marker.LineNumber);
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    return lines;
}
