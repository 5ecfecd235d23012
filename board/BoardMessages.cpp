// The texts with a number in them.
#include "board/BoardMessages.h"

#include <cstdio>

namespace {

std::string WithHex(const char* format, int value) {
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

} // namespace

namespace BoardText {

std::string UnknownOpcode(int opcode) {
    return WithHex("байт %02X не является командой", opcode);
}

std::string JumpOutside(int target) {
    return WithHex("переход за пределы программы (%04X)", target);
}

std::string JumpIntoCommand(int target) {
    return WithHex("переход внутрь команды (%04X)", target);
}

std::string RunError(const std::string& message, int line) {
    std::string text = "ошибка: " + message;
    if (line > 0)
        text += " (строка " + std::to_string(line) + ")";
    return text;
}

std::string NoCommandFrom(int line) {
    return "на строке " + std::to_string(line) + " и после неё нет команд";
}

} // namespace BoardText
