// What tovixsim prints about a run: the JSON object of --json, the summary printed without it,
// one --trace line, and the warnings and the error in the tools' message style.
#pragma once

#include "board/Board.h"
#include "board/BoardChanges.h"

#include <string>

// The one JSON object: status, time_us, steps, pc, line, the four registers, lcd, sound,
// warnings and error, in that order; status "running" when the run ended at its time limit,
// "paused" when it stopped before a line's command (paused).
std::string BoardJson(const TBoard& board, bool paused = false);

// The summary for a person: state, time and steps, pc, registers, the LCD's four lines, sound.
std::string BoardSummary(const TBoard& board, bool paused = false);

// "TIME\tOFFSET\tLINE\tTEXT\tCHANGES" for the command that started at offset at time; LINE is
// "-" without lines. note, when not empty, follows the changes after "; ".
std::string TraceLine(const TBoardProgram& program, std::uint64_t time, int offset,
                      const std::vector<TBoardChange>& changes, const std::string& note);

// "PROGRAM:LINE: KIND: MESSAGE (смещение XXXX)", PROGRAM alone without a line.
std::string EventLine(const std::string& program, const char* kind, const TBoardEvent& event);
