// The texts the board model reports, in one place: warnings, errors and the status of a run as
// the user reads them (UTF-8, Russian).
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

// The status of a run in the board window.
inline constexpr const char* NotStarted = "не запущено";
inline constexpr const char* NotStartedFaults = "не запущено: ошибки в программе";
inline constexpr const char* Running = "работает";
inline constexpr const char* Paused = "пауза";
inline constexpr const char* PausedStep = "пауза: шаг";
inline constexpr const char* PausedStopPoint = "пауза: точка остановки";
inline constexpr const char* PausedRunTo = "пауза: до курсора";
inline constexpr const char* PausedTimeUp = "пауза: время вышло";
inline constexpr const char* PausedPrefix = "пауза: ";
inline constexpr const char* PausedStepBack = "пауза: шаг назад";
inline constexpr const char* PausedRunStart = "пауза: начало прогона";
inline constexpr const char* ResetDone = "сброс";
inline constexpr const char* Stopped = "остановлено";
inline constexpr const char* StoppedByStop = "остановлено: stop";
inline constexpr const char* StoppedTextChanged = "остановлено: текст изменён";
// "ошибка: MESSAGE (строка N)", without the line when line is 0.
std::string RunError(const std::string& message, int line);
// "на строке N и после неё нет команд", N 1-based.
std::string NoCommandFrom(int line);
// "команда строки N раньше не выполнялась", N 1-based.
std::string NotRunBefore(int line);

} // namespace BoardText
