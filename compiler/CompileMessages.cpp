// Completion and fault messages of a compile.
#include "compiler/CompileMessages.h"

#include "base/Cp1251.h"

std::string CompletionMessage(int commandCount) {
    return "Компиляция завершена!  Количество команд " + std::to_string(commandCount);
}

std::string CompletionMessage(int commandCount, const std::vector<TCompileWarning>& warnings) {
    std::string message = CompletionMessage(commandCount);
    if (warnings.empty())
        return message;
    message += "\nПредупреждения:";
    int shown = 0;
    for (const auto& warning : warnings) {
        if (shown == kMaxFaultLinesShown) {
            message += "\n…";
            break;
        }
        message += "\nСтрока " + std::to_string(warning.Line + 1) + ": " +
                   Cp1251ToUtf8(warning.Text) + " — " + warning.Message;
        ++shown;
    }
    return message;
}

std::string FaultReason(const TCommand& command, std::string_view tidyText, int column) {
    std::size_t start = static_cast<std::size_t>(column - 1);
    std::string found = start >= tidyText.size()
                            ? "строка кончается"
                            : "найдено «" + Cp1251ToUtf8(tidyText.substr(start, 2)) + "»";
    return "неверные данные команды " + std::string(command.Mnemonic) +
           ": нужны две шестнадцатеричные цифры, " + found;
}

std::string CompileFaultMessage(const std::vector<TCompileFault>& faults) {
    std::string message = "Компиляция не выполнена: неверные данные команды.";
    int shown = 0;
    for (const auto& fault : faults) {
        if (shown == kMaxFaultLinesShown) {
            message += "\n…";
            break;
        }
        message += "\nСтрока " + std::to_string(fault.Line + 1) + ": " + Cp1251ToUtf8(fault.Text);
        ++shown;
    }
    return message;
}
