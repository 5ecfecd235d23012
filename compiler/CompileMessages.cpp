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
