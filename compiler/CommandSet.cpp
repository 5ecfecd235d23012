// The command table and the look-ups built on it.
#include "compiler/CommandSet.h"

#include "base/Cp1251.h"
#include "base/Errors.h"

#include <algorithm>

namespace {

// Catalogue order. Operand positions are 1-based character positions in the line, as the
// command reference counts them; descriptions are byte-exact (mind the Cyrillic "В" in
// "Записать В" and the Cyrillic "С" of "С.0" for outsound, Latin "C.0" for sound).
constexpr std::array<TCommand, kCommandCount> kCommands{{
    {0, "stop", TOperandForm::Bare, 0x02, 1, {0, 0}, "Остановка выполнения программы"},
    {1, "reset", TOperandForm::Bare, 0x01, 1, {0, 0}, "Переход к началу программы"},
    {2, "nop", TOperandForm::Bare, 0x00, 1, {0, 0}, "Пустая команда"},
    {3, "goto", TOperandForm::Address, 0x03, 3, {6, 8}, "Переход по памяти"},
    {4, "allond", TOperandForm::Bare, 0x06, 1, {0, 0}, "Включить все пины порта D"},
    {5, "allonb", TOperandForm::Bare, 0x07, 1, {0, 0}, "Включить все пины порта B"},
    {6, "alloffd", TOperandForm::Bare, 0x08, 1, {0, 0}, "Выключить все пины порта D"},
    {7, "alloffb", TOperandForm::Bare, 0x09, 1, {0, 0}, "Выключить все пины порта B"},
    {8,
     "configd",
     TOperandForm::Data,
     0x04,
     2,
     {9, 0},
     "Сконфигурировать DDRD (вход/выход) из данных"},
    {9,
     "configb",
     TOperandForm::Data,
     0x05,
     2,
     {9, 0},
     "Сконфигурировать DDRB (вход/выход) из данных"},
    {10, "portdwrite", TOperandForm::Data, 0x0A, 2, {12, 0}, "Записать В PORTD из данных"},
    {11, "portbwrite", TOperandForm::Data, 0x0B, 2, {12, 0}, "Записать В PORTB из данных"},
    {12, "incd", TOperandForm::Bare, 0x0C, 1, {0, 0}, "Инкремент PORTD"},
    {13, "incb", TOperandForm::Bare, 0x0D, 1, {0, 0}, "Инкремент PORTB"},
    {14, "decd", TOperandForm::Bare, 0x0E, 1, {0, 0}, "Декремент PORTD"},
    {15, "decb", TOperandForm::Bare, 0x0F, 1, {0, 0}, "Декремент PORTB"},
    {16, "invertd", TOperandForm::Bare, 0x10, 1, {0, 0}, "Инвертировать PORTD"},
    {17, "invertb", TOperandForm::Bare, 0x11, 1, {0, 0}, "Инвертировать PORTB"},
    {18, "onpind", TOperandForm::Pin, 0x12, 2, {8, 0}, "Установить пин порта D из данных"},
    {19, "onpinb", TOperandForm::Pin, 0x13, 2, {8, 0}, "Установить пин порта B из данных"},
    {20, "offpind", TOperandForm::Pin, 0x14, 2, {9, 0}, "Сбросить пин порта D из данных"},
    {21, "offpinb", TOperandForm::Pin, 0x15, 2, {9, 0}, "Сбросить пин порта B из данных"},
    {22, "10xpause", TOperandForm::Data, 0x1A, 2, {10, 0}, "Пауза (значение из данных *10 [ms])"},
    {23, "pause", TOperandForm::Data, 0x1B, 2, {7, 0}, "Пауза (значение из данных [ms])"},
    {24, "initlcdd", TOperandForm::Bare, 0x20, 1, {0, 0}, "Сконфигурировать порт D на ЖКИ"},
    {25, "initlcdb", TOperandForm::Bare, 0x21, 1, {0, 0}, "Сконфигурировать порт B на ЖКИ"},
    {26,
     "lcdout",
     TOperandForm::Data,
     0x22,
     2,
     {8, 0},
     "Вывести на ЖКИ символ из данных (цифровой код символа для HD44780)"},
    {27, "lcdclear", TOperandForm::Bare, 0x23, 1, {0, 0}, "Очистить ЖКИ"},
    {28, "lcdleft", TOperandForm::Bare, 0x24, 1, {0, 0}, "Сдвинуть влево"},
    {29, "lcdright", TOperandForm::Bare, 0x25, 1, {0, 0}, "Сдвинуть вправо"},
    {30, "lcdl1", TOperandForm::Bare, 0x26, 1, {0, 0}, "Перейти в ЖКИ на строку 1"},
    {31, "lcdl2", TOperandForm::Bare, 0x27, 1, {0, 0}, "Перейти в ЖКИ на строку 2"},
    {32, "lcdl3", TOperandForm::Bare, 0x28, 1, {0, 0}, "Перейти в ЖКИ на строку 3"},
    {33, "lcdl4", TOperandForm::Bare, 0x29, 1, {0, 0}, "Перейти в ЖКИ на строку 4"},
    {34,
     "sound",
     TOperandForm::Sound,
     0x2A,
     3,
     {7, 10},
     "Зв. сигнал C.0 (длительность из данных, период сигнала соответственно)."},
    {35,
     "outsound",
     TOperandForm::Bare,
     0x2B,
     1,
     {0, 0},
     "Настройка на выход С.0 (увеличиная громкость)."},
}};

constexpr int MostMnemonicsWithOneFirstLetter() {
    int most = 0;
    for (const auto& a : kCommands) {
        int n = 0;
        for (const auto& b : kCommands)
            n += a.Mnemonic[0] == b.Mnemonic[0];
        most = n > most ? n : most;
    }
    return most;
}

// For each first byte, the commands whose mnemonic starts with it, so that a line is
// compared with a handful of candidates instead of all 36.
struct TRecognizer {
    static constexpr int kMaxCandidates = MostMnemonicsWithOneFirstLetter();
    std::array<std::array<const TCommand*, kMaxCandidates>, 256> ByFirst{};
    std::array<std::uint8_t, 256> Count{};

    TRecognizer() {
        for (const auto& command : kCommands) {
            auto first = static_cast<unsigned char>(command.Mnemonic[0]);
            ByFirst[first][Count[first]++] = &command;
        }
    }
};

const TRecognizer& Recognizer() {
    static const TRecognizer recognizer;
    return recognizer;
}

} // namespace

const std::array<TCommand, kCommandCount>& CommandTable() {
    return kCommands;
}

const TCommand& CommandAt(int index) {
    if (index < 0 || index >= kCommandCount)
        throw EListError(index);
    return kCommands[static_cast<std::size_t>(index)];
}

std::vector<std::string> CatalogueMnemonics() {
    std::vector<std::string> out;
    out.reserve(kCommands.size());
    for (const auto& command : kCommands)
        out.emplace_back(command.Mnemonic);
    return out;
}

std::vector<std::string> CatalogueDescriptions() {
    std::vector<std::string> out;
    out.reserve(kCommands.size());
    for (const auto& command : kCommands)
        out.emplace_back(command.Description);
    return out;
}

std::string DescriptionCp1251(const TCommand& command) {
    return Utf8ToCp1251(command.Description);
}

std::vector<std::string> KeywordsSorted() {
    std::vector<std::string> out = CatalogueMnemonics();
    // std::string compares bytes as unsigned char, which is the order the styler expects.
    std::sort(out.begin(), out.end());
    return out;
}

std::string LineForm(const TCommand& command) {
    std::string form(command.Mnemonic);
    switch (command.Form) {
    case TOperandForm::Bare:
        break;
    case TOperandForm::Data:
        form += "_XX";
        break;
    case TOperandForm::Pin:
        form += "_0N";
        break;
    case TOperandForm::Address:
        form += "_XXXX";
        break;
    case TOperandForm::Sound:
        form += "_XX_YY";
        break;
    }
    return form;
}

const TCommand* RecognizeCommand(std::string_view line) {
    if (line.empty())
        return nullptr;
    const TRecognizer& r = Recognizer();
    auto first = static_cast<unsigned char>(line[0]);
    for (int k = 0; k < r.Count[first]; ++k) {
        const TCommand* command = r.ByFirst[first][static_cast<std::size_t>(k)];
        std::string_view m = command->Mnemonic;
        if (line.size() < m.size())
            continue;
        // Mnemonics are short: a plain loop beats a call to memcmp here.
        std::size_t j = 1;
        while (j < m.size() && line[j] == m[j])
            ++j;
        if (j == m.size())
            return command;
    }
    return nullptr;
}
