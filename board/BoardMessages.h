// The texts the board model reports, in one place: warnings and errors as the user reads them
// (UTF-8, Russian).
#pragma once

#include <string>

namespace BoardText {

// Warnings: the command runs and changes nothing.
inline constexpr const char* PinOutOfRange = "номер вывода больше 7";
inline constexpr const char* LcdNotAttached = "ЖКИ не подключён (нет initlcdd или initlcdb)";

// Errors: the run stops before the command.
inline constexpr const char* RanOffTheEnd = "программа кончилась без stop";
// "байт 3F не является командой".
std::string UnknownOpcode(int opcode);
// "переход за пределы программы (XXXX)" and "переход внутрь команды (XXXX)".
std::string JumpOutside(int target);
std::string JumpIntoCommand(int target);

} // namespace BoardText
