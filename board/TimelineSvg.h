// The timeline of a run as an SVG picture, for a browser or a repository page: one trace per
// pin of PORTD and PORTB (output pins bold, input pins grey), the sound pin (a bar with its
// frequency while a tone plays), the display (a tick with the character of every write, a mark
// for clear, shift and line moves), the warnings and a time axis in ms.
#pragma once

#include "board/Timeline.h"

#include <string>

std::string TimelineSvg(const TTimeline& timeline, const std::string& title);
