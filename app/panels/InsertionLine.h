// The command-insertion panel's line building: from the selected catalogue entry and the operand
// fields to the one program line that "Вставить" appends.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The operand fields of the panel as the user left them, in UTF-8 (the widgets' texts).
struct InsertionFields {
    std::string Data;        // data byte; the duration of sound
    std::string GotoAddress; // goto address
    std::string Period;      // period of sound
    // The text of the entry selected in the pin field's list, which typing a digit 0-7 selects;
    // empty when no entry is selected, as after typing anything else.
    std::string PinDigit;
};

// Shown instead of appending when no catalogue entry is selected.
inline constexpr std::string_view kNoCommandSelectedText = "Выберите команду в списке.";

// The line for catalogue entry itemIndex: the mnemonic, for commands with operands followed by
// "_" and the field texts exactly as they stand (nothing trimmed, filled up or checked). The
// result is program text, encoded to Windows-1251 (characters it cannot hold are dropped).
// Returns nothing when itemIndex is negative (no entry selected); an itemIndex past the end of
// the catalogue raises EListError.
std::optional<std::string> BuildInsertionLine(const std::vector<std::string>& catalogue,
                                              int itemIndex, const InsertionFields& fields);
