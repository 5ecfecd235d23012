// Every number of the board model in one table: the cost of a fetch, the units of pauses and
// tones, the LCD's geometry and addresses. The model, tovixsim and the board window all read
// them from here.
#pragma once

#include <array>
#include <cstdint>

struct TBoardConstants {
    // Fetching a command costs this much virtual time per byte of it (1, 2 or 3 bytes).
    std::uint32_t FetchUsPerByte = 100;
    // pause_XX waits XX units, 10xpause_XX waits XX of the larger units.
    std::uint32_t PauseUnitUs = 1'000;
    std::uint32_t LongPauseUnitUs = 10'000;
    // sound_XX_YY sounds for XX duration units with a period of YY period units (YY = 0: silence).
    std::uint32_t ToneDurationUnitUs = 10'000;
    std::uint32_t TonePeriodUnitUs = 10;

    // Pins of a port: onpin/offpin with a larger number change nothing and warn.
    int PinsPerPort = 8;
    std::uint8_t AllPinsOn = 0xFF;

    // The HD44780 in its 20 x 4 arrangement: two DDRAM lines of 40 cells, at 0x00 and 0x40; the
    // visible lines 3 and 4 continue lines 1 and 2 20 cells further on.
    int LcdColumns = 20;
    int LcdRows = 4;
    int LcdLineCells = 40;
    std::uint8_t LcdFirstLine = 0x00;
    std::uint8_t LcdSecondLine = 0x40;
    std::array<std::uint8_t, 4> LcdLineStart = {0x00, 0x40, 0x14, 0x54}; // lcdl1 ... lcdl4
    std::uint8_t LcdBlank = 0x20; // what DDRAM holds after init and clear

    // tovixsim runs this long when no --ms is given.
    std::uint64_t DefaultRunMs = 10'000;
};

inline constexpr TBoardConstants kBoard{};

// The DDRAM cells of the display, both lines.
inline constexpr int kDdramCells = 2 * kBoard.LcdLineCells;
