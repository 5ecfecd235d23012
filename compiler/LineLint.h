// Warnings for what the compile passes over: a line that is no command is skipped and a
// command's trailing text is ignored, so a typo loses a command without a word. These checks
// name the likely mistakes; they never change what is compiled.
#pragma once

#include "compiler/Compiler.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TLintFinding {
    int Column = 0;      // 1-based in the tidied line
    std::string Message; // UTF-8
};

// The warning for one line, if any. Lines that begin with "//" or "{", label lines and lines
// whose first word holds a Cyrillic letter are never flagged. In order:
// - a first word that is a command written in another case ("PAUSE_64", "Stop"):
//   "команды пишутся строчными буквами: pause";
// - a first word that is no command but close to one ("alond", "pasue_10"), or a word other
//   languages use for a command ("delay", "jmp"): "нет команды alond — возможно, allond";
// - a mnemonic run on into letters ("stopper"): "строка читается как stop";
// - a command whose ignored text, before any "//", holds another whole command
//   ("alloffd pause_10"): "вторая команда в строке не компилируется: pause_10".
std::optional<TLintFinding> LintLine(std::string_view line);

// The warnings of every line of text, in line order (Text the tidied line, Indent its leading
// spaces), in the form of the compile's goto warnings.
std::vector<TCompileWarning> LintWarnings(const TCompileTarget& text);
