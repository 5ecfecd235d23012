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

namespace {

// "\nСтрока N: goto_0018 → goto_0019 (loop)" per rewrite, at most kMaxFaultLinesShown.
std::string RewriteLines(const std::vector<TJumpRewrite>& rewrites) {
    std::string lines;
    int shown = 0;
    for (const auto& rewrite : rewrites) {
        if (shown == kMaxFaultLinesShown) {
            lines += "\n…";
            break;
        }
        lines += "\nСтрока " + std::to_string(rewrite.Line + 1) + ": " + rewrite.OldText + " → " +
                 rewrite.NewText + " (" + Cp1251ToUtf8(rewrite.Label) + ")";
        ++shown;
    }
    return lines;
}

} // namespace

std::string CompletionMessage(int commandCount, const std::vector<TCompileWarning>& warnings,
                              const std::vector<TJumpRewrite>& rewrites) {
    std::string message = CompletionMessage(commandCount, warnings);
    if (rewrites.empty())
        return message;
    return message + "\nОбновлены адреса переходов:" + RewriteLines(rewrites);
}

std::string JumpUpdateMessage(const std::vector<TJumpRewrite>& rewrites) {
    if (rewrites.empty())
        return "Адреса переходов верны.";
    return "Обновлено адресов переходов: " + std::to_string(rewrites.size()) +
           RewriteLines(rewrites);
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
