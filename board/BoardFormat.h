// The board's state as text, one way for the board window, tovixsim and the tests: the registers
// in hexadecimal, the LCD's lines through the character ROM, the words for the status, the LCD's
// port and the volume, and where a warning or the error happened.
#pragma once

#include "board/Board.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

struct TRegister {
    const char* Name; // PORTD DDRD PORTB DDRB
    std::uint8_t Value;
};

// The four registers, in the order every text lists them.
std::array<TRegister, 4> Registers(const TBoardState& state);
// "PORTD=F9 DDRD=00 PORTB=00 DDRB=00" with the separators given: between a name and its value,
// between two registers.
std::string RegistersText(const TBoardState& state, std::string_view toValue = "=",
                          std::string_view between = " ");

// The visible line row (0..3) as UTF-8 text of 20 characters, drawn with the character ROM.
std::string LcdLineText(const TLcdState& lcd, int row);
// The four visible lines.
std::array<std::string, 4> LcdLines(const TLcdState& lcd);

const char* StatusName(TBoardStatus status); // "running", "stopped", "error"
const char* LcdPortName(TLcdPort port);      // "D", "B", "-" when not attached
const char* VolumeName(bool raised);         // "raised", "normal"
const char* VolumeText(bool raised);         // "повышенная", "обычная"

// "Строка 5, адрес 0003", or "Адрес 0003" for a program without lines.
std::string EventPlace(const TBoardEvent& event);
