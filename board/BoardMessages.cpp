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

} // namespace BoardText
