// The TOVIX interpreter's command set: one table of the 36 commands that the command catalogue,
// its description list, the styler's keyword list and the compiler's recognition all read.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// How a command's line is written after its mnemonic.
enum class TOperandForm {
    Bare,    // mnemonic alone
    Data,    // mnemonic_XX: one data byte
    Pin,     // mnemonic_0N: one byte holding a pin number
    Address, // goto_XXXX: a 16-bit address, high byte first
    Sound,   // sound_XX_YY: duration, then signal period
};

struct TCommand {
    int Index;                 // position in the catalogue and in the description list
    std::string_view Mnemonic; // lower-case; it starts the line
    TOperandForm Form;
    std::uint8_t Opcode;
    int Size;                     // bytes of the compiled command: 1, 2 or 3
    std::array<int, 2> Operand;   // 1-based position of each operand byte's first digit; 0: none
    std::string_view Description; // the Russian description, UTF-8

    int OperandCount() const { return (Operand[0] != 0) + (Operand[1] != 0); }
};

constexpr int kCommandCount = 36;

// All commands in catalogue order: entry i has Index i.
const std::array<TCommand, kCommandCount>& CommandTable();

// The command at catalogue index; raises EListError "List index out of bounds (%d)" outside
// 0..35, as the catalogue list does.
const TCommand& CommandAt(int index);

// The mnemonics in catalogue order (the command catalogue's items).
std::vector<std::string> CatalogueMnemonics();

// The descriptions in catalogue order as UTF-8, for the user interface.
std::vector<std::string> CatalogueDescriptions();

// A command's description as Windows-1251 program text.
std::string DescriptionCp1251(const TCommand& command);

// The 36 mnemonics sorted ascending by byte value: the styler's keyword list.
std::vector<std::string> KeywordsSorted();

// The template of a command's line ("goto_XXXX", "onpind_0N", "stop").
std::string LineForm(const TCommand& command);

// The command whose mnemonic equals the first characters of line (case-sensitive), or nullptr.
// No mnemonic begins another, so at most one matches.
const TCommand* RecognizeCommand(std::string_view line);
