// Stop points as gutter markers.
#include "workbench/StopPoints.h"

#include "editor/CodeMemo.h"

#include <algorithm>

void TStopPointImages::Draw(Surface& surface, int, int x, int y) const {
    surface.Ellipse(TRect{x + 1, y, x + 12, y + 11}, 0x000080, 0x0000E0);
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
