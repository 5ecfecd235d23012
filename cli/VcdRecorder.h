// A Value Change Dump (IEEE 1364) of a run, for waveform viewers such as GTKWave: PORTD, DDRD,
// PORTB, DDRB as 8-bit vectors, the tone's frequency in Hz as a 32-bit integer (0: silent) and
// the volume as one bit (1: raised), with a time unit of 1 µs.
#pragma once

#include "board/Board.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// The text goes to its sink as the run goes, so that memory stays flat however long the run.
class TVcdRecorder {
public:
    // Takes the next piece of the file; returns 0 or the code of a failure, after which
    // nothing more is written.
    using TSink = std::function<int(std::string_view)>;

    // Writes the header and the values at time 0.
    TVcdRecorder(const TBoardState& initial, TSink sink);

    // One command: the states before and after it, and the size of its fetch. Register changes
    // are dated at the end of the fetch; a tone sounds from its start for its duration.
    void Command(const TBoardState& before, const TBoardState& after, int fetchedBytes);

    // Ends the file with a time stamp at endUs and hands the rest to the sink.
    void Finish(std::uint64_t endUs);

    // The sink's first failure, or 0.
    int Error() const { return FError; }

private:
    enum TSignal : int { kPortD, kDdrD, kPortB, kDdrB, kTone, kVolume, kSignals };

    void Set(std::uint64_t time, TSignal signal, std::uint32_t value);
    void Pass(); // hands the pending text to the sink

    TSink FSink;
    int FError = 0;
    std::string FPending;
    std::uint32_t FCurrent[kSignals] = {};
    std::uint64_t FLastTime = 0;
};
