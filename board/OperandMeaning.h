// What a command's operands mean on the board, in words and units the user reads: a pause's
// time, a tone's length and pitch, a pin, a port's directions or levels, an LCD character.
// The hover tip over an operand and the insertion panel show it.
#pragma once

#include "compiler/CommandSet.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// The meaning of command's operand bytes, UTF-8: "100 мс" (pause_64), "1,00 с" (10xpause_64),
// "0,50 с, 1 000 Гц" (sound_32_64), "вывод D.3" (onpind_03), "символ H" (lcdout_48),
// "D.0–D.3 выходы, D.4–D.7 входы" (configd_0F). Empty for a command without operands, for
// goto (its tip names the target) and when operands has fewer bytes than the command takes.
std::string OperandMeaning(const TCommand& command, std::span<const std::uint8_t> operands);

// The meaning of the command on a line as the editor holds it (leading spaces allowed); empty
// when the line is no command or an operand is faulty (not two hexadecimal digits).
std::string LineMeaning(std::string_view line);

// The same when the 0-based column lies on the operands: from the "_" before the first
// operand to the last operand's second digit. Empty elsewhere on the line.
std::string OperandMeaningAt(std::string_view line, int column);
