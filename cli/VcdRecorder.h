// A Value Change Dump (IEEE 1364) of a run, for waveform viewers such as GTKWave: PORTD, DDRD,
// PORTB, DDRB as 8-bit vectors, the tone's frequency in Hz as a 32-bit integer (0: silent) and
// the volume as one bit (1: raised), with a time unit of 1 µs.
#pragma once

#include "board/Board.h"

#include <cstdint>
#include <string>
#include <vector>

class TVcdRecorder {
public:
    // The values at time 0.
    explicit TVcdRecorder(const TBoardState& initial);

    // One command: the states before and after it, and the size of its fetch. Register changes
    // are dated at the end of the fetch; a tone sounds from its start for its duration.
    void Command(const TBoardState& before, const TBoardState& after, int fetchedBytes);

    // The whole file, ending with a time stamp at endUs.
    std::string Text(std::uint64_t endUs) const;

    // The frequency written for a period: 1,000,000 / period rounded, 0 for silence.
    static std::uint32_t FrequencyHz(std::uint32_t periodUs);

private:
    enum TSignal : int { kPortD, kDdrD, kPortB, kDdrB, kTone, kVolume, kSignals };

    struct TChange {
        std::uint64_t TimeUs;
        TSignal Signal;
        std::uint32_t Value;
    };

    void Set(std::uint64_t time, TSignal signal, std::uint32_t value);

    std::uint32_t FInitial[kSignals] = {};
    std::uint32_t FCurrent[kSignals] = {};
    std::vector<TChange> FChanges; // in time order
};
