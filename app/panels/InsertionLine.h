// The command-insertion panel's line building: from the selected catalogue entry and the operand
// fields to the one program line that "Вставить" appends.
#pragma once

#include <functional>
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

// The offset of the label of a name (Windows-1251) in the program as it stands; nothing when no
// label has that name.
using TLabelOffsets = std::function<std::optional<int>(std::string_view name)>;

// The goto address field as "Вставить" writes it, in UTF-8: the name of a label of the program
// (Latin or Cyrillic letters, digits and "_", from a letter or "_") that is not four hex digits
// becomes its label's offset in four upper-case hex digits and the name, "0019 loop", so that
// the line reads "goto_0019 loop". Any other text stands as it is, a name no label has too.
std::string ResolveGotoField(const std::string& field, const TLabelOffsets& labels);
