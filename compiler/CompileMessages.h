// The texts a compile reports to the user, in UTF-8 for the user interface.
#pragma once

#include "compiler/Compiler.h"
#include "compiler/Labels.h"

#include <string>
#include <string_view>
#include <vector>

// At most this many faulty lines are listed; "…" stands for the rest.
constexpr int kMaxFaultLinesShown = 20;

// "Компиляция завершена!  Количество команд N".
std::string CompletionMessage(int commandCount);
// The completion message and, when there are warnings, a line "Предупреждения:" and one line
// "Строка N: TEXT — MESSAGE" per warning (N counted from 1, TEXT decoded from Windows-1251), at
// most kMaxFaultLinesShown of them, then "…" when there are more. Without warnings it is
// CompletionMessage(commandCount) alone.
std::string CompletionMessage(int commandCount, const std::vector<TCompileWarning>& warnings);

// The completion message with its warnings, then, when gotos were rewritten before the compile,
// a line "Обновлены адреса переходов:" and one line "Строка N: goto_0018 → goto_0019 (loop)" per
// rewrite (N counted from 1, the label decoded from Windows-1251), at most kMaxFaultLinesShown
// of them, then "…". Without rewrites it is CompletionMessage(commandCount, warnings).
std::string CompletionMessage(int commandCount, const std::vector<TCompileWarning>& warnings,
                              const std::vector<TJumpRewrite>& rewrites);
// What "Обновить адреса переходов" tells: "Адреса переходов верны." when nothing was rewritten,
// else "Обновлено адресов переходов: K" followed by the rewrite lines as above.
std::string JumpUpdateMessage(const std::vector<TJumpRewrite>& rewrites);

// Why the operand at the 1-based column of a command's tidied line is faulty: "неверные данные
// команды MNEMONIC: нужны две шестнадцатеричные цифры, найдено «XY»" (XY decoded from
// Windows-1251), or "…, строка кончается" when the line ends before it.
std::string FaultReason(const TCommand& command, std::string_view tidyText, int column);

// "Компиляция не выполнена: неверные данные команды." followed by one line "Строка N: TEXT"
// per faulty line (N counted from 1, TEXT decoded from Windows-1251), at most
// kMaxFaultLinesShown of them, then "…" when there are more. Lines are joined by "\n".
std::string CompileFaultMessage(const std::vector<TCompileFault>& faults);
