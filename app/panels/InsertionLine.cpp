// Line forms of the insertion panel, keyed by the command's mnemonic.
#include "app/panels/InsertionLine.h"

#include "base/Cp1251.h"
#include "base/Errors.h"
#include "base/HexDigits.h"
#include "compiler/Labels.h"

#include <array>

namespace {

enum class Operand { None, Data, Address, Pin, Sound };

struct LineForm {
    std::string_view Mnemonic;
    Operand Kind;
};

// Every command with operands; the rest are written as the bare mnemonic.
constexpr std::array kLineForms{
    LineForm{"goto", Operand::Address},    LineForm{"configd", Operand::Data},
    LineForm{"configb", Operand::Data},    LineForm{"portdwrite", Operand::Data},
    LineForm{"portbwrite", Operand::Data}, LineForm{"onpind", Operand::Pin},
    LineForm{"onpinb", Operand::Pin},      LineForm{"offpind", Operand::Pin},
    LineForm{"offpinb", Operand::Pin},     LineForm{"10xpause", Operand::Data},
    LineForm{"pause", Operand::Data},      LineForm{"lcdout", Operand::Data},
    LineForm{"sound", Operand::Sound},
};

Operand OperandOf(std::string_view mnemonic) {
    for (const LineForm& form : kLineForms)
        if (form.Mnemonic == mnemonic)
            return form.Kind;
    return Operand::None;
}

} // namespace

std::optional<std::string> BuildInsertionLine(const std::vector<std::string>& catalogue,
                                              int itemIndex, const InsertionFields& fields) {
    if (itemIndex < 0)
        return std::nullopt;
    if (static_cast<std::size_t>(itemIndex) >= catalogue.size())
        throw EListError(itemIndex);

    const std::string& mnemonic = catalogue[static_cast<std::size_t>(itemIndex)];
    std::string line = mnemonic;
    switch (OperandOf(mnemonic)) {
    case Operand::None:
        break;
    case Operand::Data:
        line += "_" + fields.Data;
        break;
    case Operand::Address:
        line += "_" + fields.GotoAddress;
        break;
    case Operand::Pin:
        // The pin byte is written as two digits; the list gives only the second.
        line += "_0" + fields.PinDigit;
        break;
    case Operand::Sound:
        line += "_" + fields.Data + "_" + fields.Period;
        break;
    }
    return Utf8ToCp1251(line);
}

namespace {

// A label name in Windows-1251 that cannot be read as an address.
bool IsLabelNameNotAddress(std::string_view name) {
    const bool address = name.size() == 4 &&
                         name.find_first_not_of("0123456789abcdefABCDEF") == std::string_view::npos;
    return IsLabelName(name) && !address;
}

} // namespace

std::string ResolveGotoField(const std::string& field, const TLabelOffsets& labels) {
    const std::string name = Utf8ToCp1251(field);
    if (!labels || !IsLabelNameNotAddress(name))
        return field;
    const std::optional<int> offset = labels(name);
    if (!offset)
        return field;
    return HexDigits(static_cast<unsigned>(*offset), 4) + " " + field;
}
