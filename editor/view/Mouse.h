// The mouse side of the editor: what a button, a move, a double click, the wheel and the scroll
// bars do to the caret, the selection and the view.
#pragma once

#include <string>
#include <string_view>

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

enum class TScrollCode {
    scLineUp,
    scLineDown,
    scPageUp,
    scPageDown,
    scPosition,
    scTrack,
    scTop,
    scBottom,
    scEndScroll
};

// The link prefixes that make a token clickable.
bool IsLinkToken(std::string_view token);

// The token of line containing column col (runs of the delimiters space, double quote, single
// quote and comma alternate with runs of other bytes); empty beyond the line.
std::string_view TokenAt(std::string_view line, int col);
