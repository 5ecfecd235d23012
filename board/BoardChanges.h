// What a command changed: the difference of two states. The model keeps no record while it
// runs; a caller that wants one (tovixsim --trace) keeps the state before a step and compares.
#pragma once

#include "board/Board.h"

#include <string>
#include <vector>

struct TBoardChange {
    std::string Name;  // PORTD DDRD PORTB DDRB LCD AC SHIFT DDRAM[XX] DDRAM VOLUME TONE
    std::string Value; // as the trace prints it: "FF", "D", "41", "54", "clear", "raised", ...

    bool operator==(const TBoardChange&) const = default;
};

// The changes from before to after, in the order of the list above. Registers and addresses
// are hexadecimal; a DDRAM cleared whole is one change "DDRAM" = "clear"; a new tone is
// "TONE" = "PERIODus/DURATIONus" (period 0: silence). pc, time, steps and status are left out.
std::vector<TBoardChange> Changes(const TBoardState& before, const TBoardState& after);

// "NAME=VALUE" joined by spaces.
std::string ChangesText(const std::vector<TBoardChange>& changes);
