// Stop points of the board model's runs, kept as gutter markers so that they move with their
// lines as the text is edited, and the image that draws them.
#pragma once

#include "editor/view/Markers.h"

#include <vector>

class TCodeCustomMemo;

// The gutter image of a stop point.
class TStopPointImages : public TImageList {
public:
    int Count() const override { return 1; }
    void Draw(Surface& surface, int index, int x, int y) const override;
};

// Turns the stop point of line (0-based) on or off; lines past the text's end have none.
void ToggleStopPoint(TCodeCustomMemo& memo, int line);
// The lines holding stop points, ascending.
std::vector<int> StopPointLines(const TCodeCustomMemo& memo);
