// A font description: face, pixel height, colour and style. Painting uses the face and height of
// the editor's font; styles take only the colour and the style of theirs.
#pragma once

#include "editor/Graphics.h"

#include <string>

struct TFont {
    std::string Name = "Courier New";
    // Character height in pixels, negative as the platform writes it (-13 is a 13-pixel font).
    int Height = -13;
    TColor Color = clBlack;
    TFontStyles Style = 0;

    // Size in points at 96 pixels per inch.
    int Size() const { return (-Height * 72 + 48) / 96; }
    void SetSize(int points) { Height = -((points * 96 + 36) / 72); }
    bool operator==(const TFont&) const = default;
};
