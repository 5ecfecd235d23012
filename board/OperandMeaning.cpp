// Operand meanings from the board's constants and its character ROM.
#include "board/OperandMeaning.h"

#include "board/BoardConstants.h"
#include "board/BoardMessages.h"
#include "board/CharacterRom.h"
#include "compiler/ProgramListing.h"

#include <array>

namespace {

enum class TMeaning { None, Pause, LongPause, Sound, Pin, Config, Write, LcdChar };

struct TMeaningOf {
    std::string_view Mnemonic;
    TMeaning Kind;
    char Port = 0;
};

constexpr std::array kMeanings{
    TMeaningOf{"pause", TMeaning::Pause},           TMeaningOf{"10xpause", TMeaning::LongPause},
    TMeaningOf{"sound", TMeaning::Sound},           TMeaningOf{"onpind", TMeaning::Pin, 'D'},
    TMeaningOf{"onpinb", TMeaning::Pin, 'B'},       TMeaningOf{"offpind", TMeaning::Pin, 'D'},
    TMeaningOf{"offpinb", TMeaning::Pin, 'B'},      TMeaningOf{"configd", TMeaning::Config, 'D'},
    TMeaningOf{"configb", TMeaning::Config, 'B'},   TMeaningOf{"portdwrite", TMeaning::Write, 'D'},
    TMeaningOf{"portbwrite", TMeaning::Write, 'B'}, TMeaningOf{"lcdout", TMeaning::LcdChar},
};

const TMeaningOf* MeaningOf(const TCommand& command) {
    for (const TMeaningOf& m : kMeanings)
        if (m.Mnemonic == command.Mnemonic)
            return &m;
    return nullptr;
}

// Digits grouped by three with a space: "1 000", "100 000".
std::string Grouped(std::uint64_t n) {
    std::string digits = std::to_string(n);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i != 0 && (digits.size() - i) % 3 == 0)
            out += ' ';
        out += digits[i];
    }
    return out;
}

// Seconds with two decimals after a comma: "0,50 с", "2,55 с". Every time the board counts
// in operands is a whole number of milliseconds; it is rounded to hundredths.
std::string Seconds(std::uint64_t us) {
    std::uint64_t hundredths = (us + 5'000) / 10'000;
    std::string cents = std::to_string(hundredths % 100);
    return std::to_string(hundredths / 100) + "," + (cents.size() < 2 ? "0" : "") + cents + " с";
}

// A pause: under a second in milliseconds, from a second on in seconds.
std::string PauseTime(std::uint64_t us) {
    if (us < 1'000'000)
        return Grouped(us / 1'000) + " мс";
    return Seconds(us);
}

// A tone: its length in seconds (its unit is a hundredth) and its pitch, or silence.
std::string Tone(std::uint8_t duration, std::uint8_t period) {
    std::string text = Seconds(std::uint64_t{duration} * kBoard.ToneDurationUnitUs) + ", ";
    if (period == 0)
        return text + "тишина";
    std::uint64_t periodUs = std::uint64_t{period} * kBoard.TonePeriodUnitUs;
    return text + Grouped((1'000'000 + periodUs / 2) / periodUs) + " Гц";
}

// The pins of port whose bit in mask is set, as runs: "D.0–D.3", "D.0, D.1", "D.0, D.2–D.7".
std::string PinRuns(char port, unsigned mask, int& count) {
    std::string out;
    count = 0;
    const auto pin = [port](int n) { return std::string{port, '.', static_cast<char>('0' + n)}; };
    for (int first = 0; first < kBoard.PinsPerPort;) {
        if (!(mask & (1u << first))) {
            ++first;
            continue;
        }
        int last = first;
        while (last + 1 < kBoard.PinsPerPort && (mask & (1u << (last + 1))))
            ++last;
        if (!out.empty())
            out += ", ";
        if (last - first >= 2)
            out += pin(first) + "–" + pin(last);
        else if (last == first + 1)
            out += pin(first) + ", " + pin(last);
        else
            out += pin(first);
        count += last - first + 1;
        first = last + 1;
    }
    return out;
}

// The pins of a byte in two groups, the set bits first: "D.0–D.3 выходы, D.4–D.7 входы",
// "D.5 выход, D.0–D.4, D.6, D.7 входы", "D.0–D.7 выходы". Each word comes as one pin and as
// more.
std::string TwoGroups(char port, std::uint8_t value, std::string_view setOne,
                      std::string_view setMany, std::string_view clearOne,
                      std::string_view clearMany) {
    std::string out;
    int count = 0;
    const auto group = [&](unsigned mask, std::string_view one, std::string_view many) {
        std::string pins = PinRuns(port, mask, count);
        if (count == 0)
            return;
        if (!out.empty())
            out += ", ";
        out += pins + " " + std::string(count == 1 ? one : many);
    };
    group(value, setOne, setMany);
    group(static_cast<std::uint8_t>(~value), clearOne, clearMany);
    return out;
}

std::string LcdChar(std::uint8_t code) {
    if (code == kBoard.LcdBlank)
        return "пробел";
    char32_t c = LcdCharacter(code);
    if (c == U' ') {
        if (code < 8)
            return "символ пользователя " + std::to_string(code);
        return "нет знака в ПЗУ дисплея";
    }
    std::string out = "символ ";
    AppendUtf8(out, c);
    return out;
}

} // namespace

std::string OperandMeaning(const TCommand& command, std::span<const std::uint8_t> operands) {
    const TMeaningOf* m = MeaningOf(command);
    if (!m || operands.size() < static_cast<std::size_t>(command.OperandCount()))
        return {};
    std::uint8_t x = operands[0];
    switch (m->Kind) {
    case TMeaning::None:
        break;
    case TMeaning::Pause:
        return PauseTime(std::uint64_t{x} * kBoard.PauseUnitUs);
    case TMeaning::LongPause:
        return PauseTime(std::uint64_t{x} * kBoard.LongPauseUnitUs);
    case TMeaning::Sound:
        return Tone(x, operands[1]);
    case TMeaning::Pin:
        if (x >= kBoard.PinsPerPort)
            return BoardText::PinOutOfRange;
        return std::string("вывод ") + m->Port + "." + std::to_string(x);
    case TMeaning::Config:
        return TwoGroups(m->Port, x, "выход", "выходы", "вход", "входы");
    case TMeaning::Write:
        return TwoGroups(m->Port, x, "включён", "включены", "выключен", "выключены");
    case TMeaning::LcdChar:
        return LcdChar(x);
    }
    return {};
}

namespace {

// The command of line with its operands read as the compile reads them; nullptr for a line
// that is no command or has a faulty operand.
const TCommand* ReadCommand(std::string_view tidy, TListingEntry& entry) {
    int faultColumn = 0;
    const TCommand* command = ListCommand(tidy, entry, faultColumn);
    return command && faultColumn == 0 ? command : nullptr;
}

std::string MeaningOfEntry(const TCommand& command, const TListingEntry& entry) {
    return OperandMeaning(
        command, std::span(entry.Bytes).subspan(1, static_cast<std::size_t>(entry.ByteCount - 1)));
}

} // namespace

std::string LineMeaning(std::string_view line) {
    TListingEntry entry;
    const TCommand* command = ReadCommand(TidyLine(line), entry);
    return command ? MeaningOfEntry(*command, entry) : std::string();
}

std::string OperandMeaningAt(std::string_view line, int column) {
    std::string_view tidy = TidyLine(line);
    TListingEntry entry;
    const TCommand* command = ReadCommand(tidy, entry);
    if (!command || command->OperandCount() == 0)
        return {};
    int indent = static_cast<int>(line.size() - tidy.size());
    int first = indent + command->Operand[0] - 2; // the "_" before the operand
    int last = indent + command->Operand[static_cast<std::size_t>(command->OperandCount() - 1)];
    if (column < first || column > last)
        return {};
    return MeaningOfEntry(*command, entry);
}
