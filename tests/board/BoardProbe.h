// The board's state as "key=value" words, so that a test row states what it expects in one
// short string: "portd=FF time=300 status=stopped lcd1=AB".
#pragma once

#include "board/Board.h"

#include <string>
#include <vector>

// The value of one key: status pc line time steps portd ddrd portb ddrb lcd ac shift lcd1..lcd4
// (text with "." for a blank, trailing blanks dropped) volume tones tone (start/duration/period)
// warn (offsets, comma-separated) error (offset) errmsg (message, spaces as "_").
std::string Probe(const TBoard& board, const std::string& key);

// Checks every "key=value" word of expected; returns the mismatches, "" when all agree.
std::string Mismatches(const TBoard& board, const std::string& expected);

// lines compiled in memory; the test fails on a compile fault.
TBoardProgram Compiled(const std::vector<std::string>& lines);
