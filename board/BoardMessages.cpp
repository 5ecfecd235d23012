// The texts with a number in them.
#include "board/BoardMessages.h"

#include "base/HexDigits.h"

namespace BoardText {

std::string UnknownOpcode(int opcode) {
    return "байт " + HexDigits(static_cast<unsigned>(opcode), 2) + " не является командой";
}

std::string JumpOutside(int target) {
    return "переход за пределы программы (" + HexDigits(static_cast<unsigned>(target), 4) + ")";
}

std::string JumpIntoCommand(int target) {
    return "переход внутрь команды (" + HexDigits(static_cast<unsigned>(target), 4) + ")";
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

std::string NotRunBefore(int line) {
    return "команда строки " + std::to_string(line) + " раньше не выполнялась";
}

} // namespace BoardText
