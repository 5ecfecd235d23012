// Decoding the image into the model's operations.
#include "board/BoardProgram.h"

#include "base/HexDigits.h"
#include "board/BoardConstants.h"
#include "compiler/LinesCompileTarget.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>

namespace {

// What each mnemonic of the command set does in the model. Opcodes and sizes come from the
// command table; this says only which operation a command is and which port or line it names.
struct TMeaning {
    std::string_view Mnemonic;
    TOpKind Kind;
    std::uint8_t Which = 0; // the port (0 D, 1 B), or the LCD line (0..3)
};

constexpr TMeaning kMeanings[] = {
    {"nop", TOpKind::Nop},
    {"stop", TOpKind::Stop},
    {"reset", TOpKind::Reset},
    {"goto", TOpKind::Goto},
    {"allond", TOpKind::AllOn, 0},
    {"allonb", TOpKind::AllOn, 1},
    {"alloffd", TOpKind::AllOff, 0},
    {"alloffb", TOpKind::AllOff, 1},
    {"configd", TOpKind::Config, 0},
    {"configb", TOpKind::Config, 1},
    {"portdwrite", TOpKind::Write, 0},
    {"portbwrite", TOpKind::Write, 1},
    {"incd", TOpKind::Inc, 0},
    {"incb", TOpKind::Inc, 1},
    {"decd", TOpKind::Dec, 0},
    {"decb", TOpKind::Dec, 1},
    {"invertd", TOpKind::Invert, 0},
    {"invertb", TOpKind::Invert, 1},
    {"onpind", TOpKind::OnPin, 0},
    {"onpinb", TOpKind::OnPin, 1},
    {"offpind", TOpKind::OffPin, 0},
    {"offpinb", TOpKind::OffPin, 1},
    {"pause", TOpKind::Pause, 0},
    {"10xpause", TOpKind::Pause, 1},
    {"initlcdd", TOpKind::InitLcd, 0},
    {"initlcdb", TOpKind::InitLcd, 1},
    {"lcdout", TOpKind::LcdOut},
    {"lcdclear", TOpKind::LcdClear},
    {"lcdleft", TOpKind::LcdLeft},
    {"lcdright", TOpKind::LcdRight},
    {"lcdl1", TOpKind::LcdLine, 0},
    {"lcdl2", TOpKind::LcdLine, 1},
    {"lcdl3", TOpKind::LcdLine, 2},
    {"lcdl4", TOpKind::LcdLine, 3},
    {"sound", TOpKind::Sound},
    {"outsound", TOpKind::OutSound},
};
static_assert(std::size(kMeanings) == kCommandCount, "every command has its meaning");

// Per opcode: the command and its meaning, or none.
struct TOpcodeMap {
    std::array<const TCommand*, 256> Command{};
    std::array<const TMeaning*, 256> Meaning{};

    TOpcodeMap() {
        for (const TMeaning& meaning : kMeanings) {
            const TCommand* command = RecognizeCommand(meaning.Mnemonic);
            if (!command || command->Mnemonic != meaning.Mnemonic)
                throw std::logic_error("board model: no command " + std::string(meaning.Mnemonic));
            Command[command->Opcode] = command;
            Meaning[command->Opcode] = &meaning;
        }
    }
};

const TOpcodeMap& OpcodeMap() {
    static const TOpcodeMap map;
    return map;
}

// The operation of a whole command: its meaning with the operands and the time it takes.
TOp Prepare(const TCommand& command, const TMeaning& meaning, const std::uint8_t* bytes) {
    TOp op;
    op.Kind = meaning.Kind;
    op.Size = static_cast<std::uint8_t>(command.Size);
    op.Port = meaning.Which;
    op.X = command.Size > 1 ? bytes[1] : 0;
    op.Y = command.Size > 2 ? bytes[2] : 0;
    op.Us = kBoard.FetchUsPerByte * static_cast<std::uint32_t>(command.Size);
    switch (meaning.Kind) {
    case TOpKind::Goto:
        op.Target = static_cast<std::uint32_t>(op.X) << 8 | op.Y;
        break;
    case TOpKind::Pause:
        op.Us += op.X * (meaning.Which ? kBoard.LongPauseUnitUs : kBoard.PauseUnitUs);
        break;
    case TOpKind::LcdLine:
        op.X = kBoard.LcdLineStart[meaning.Which];
        break;
    case TOpKind::Sound:
        op.Us += op.X * kBoard.ToneDurationUnitUs;
        break;
    default:
        break;
    }
    return op;
}

} // namespace

TBoardProgram::TBoardProgram(std::string image) : FImage(std::move(image)) {
    Decode();
}

TBoardProgram::TBoardProgram(std::string image, std::span<const TListingEntry> listing)
    : FImage(std::move(image)), FHasLines(true) {
    Decode();
    FLineOf.assign(FImage.size() + 1, 0);
    for (const TListingEntry& entry : listing)
        if (entry.Offset >= 0 && entry.Offset < Size())
            FLineOf[static_cast<std::size_t>(entry.Offset)] = entry.Line + 1;
}

void TBoardProgram::Decode() {
    const TOpcodeMap& map = OpcodeMap();
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(FImage.data());
    const int size = Size();
    FOps.assign(static_cast<std::size_t>(size) + 1, TOp{});
    FStarts.clear();
    for (int at = 0; at < size;) {
        FStarts.push_back(at);
        TOp& op = FOps[static_cast<std::size_t>(at)];
        std::uint8_t opcode = bytes[at];
        const TCommand* command = map.Command[opcode];
        if (!command) {
            op.Kind = TOpKind::Unknown;
            op.Size = 1;
            op.X = opcode;
            ++at;
        } else if (at + command->Size > size) {
            op.Kind = TOpKind::OffTheEnd;
            op.Size = static_cast<std::uint8_t>(command->Size);
            at = size;
        } else {
            op = Prepare(*command, *map.Meaning[opcode], bytes + at);
            at += command->Size;
        }
    }
    FOps.back().Kind = TOpKind::OffTheEnd;
    // A goto is checked once here: the run only follows jumps known to land on a command.
    for (int at : FStarts) {
        TOp& op = FOps[static_cast<std::size_t>(at)];
        if (op.Kind == TOpKind::Goto && !IsCommandStart(static_cast<int>(op.Target)))
            op.Kind = TOpKind::BadJump;
    }
}

bool TBoardProgram::IsCommandStart(int offset) const {
    return std::binary_search(FStarts.begin(), FStarts.end(), offset);
}

const TCommand* TBoardProgram::CommandAt(int offset) const {
    if (offset < 0 || offset >= Size() || !IsCommandStart(offset))
        return nullptr;
    return OpcodeMap().Command[static_cast<std::uint8_t>(FImage[static_cast<std::size_t>(offset)])];
}

std::string TBoardProgram::CommandText(int offset) const {
    if (offset < 0 || offset >= Size())
        return {};
    auto byte = [&](int at) {
        return at < Size() ? static_cast<std::uint8_t>(FImage[static_cast<std::size_t>(at)]) : 0;
    };
    const TCommand* command = CommandAt(offset);
    if (!command)
        return "?? " + HexDigits(byte(offset), 2);
    std::string text(command->Mnemonic);
    switch (command->Form) {
    case TOperandForm::Bare:
        break;
    case TOperandForm::Data:
    case TOperandForm::Pin:
        text += "_" + HexDigits(byte(offset + 1), 2);
        break;
    case TOperandForm::Address:
        text += "_" + HexDigits(byte(offset + 1), 2) + HexDigits(byte(offset + 2), 2);
        break;
    case TOperandForm::Sound:
        text += "_" + HexDigits(byte(offset + 1), 2) + "_" + HexDigits(byte(offset + 2), 2);
        break;
    }
    return text;
}

int TBoardProgram::LineOf(int offset) const {
    if (offset < 0 || static_cast<std::size_t>(offset) >= FLineOf.size())
        return 0;
    return FLineOf[static_cast<std::size_t>(offset)];
}

std::optional<int> TBoardProgram::OffsetOfLine(int line) const {
    std::optional<int> at = FirstOffsetFrom(line);
    if (at && LineOf(*at) == line)
        return at;
    return std::nullopt;
}

std::optional<int> TBoardProgram::FirstOffsetFrom(int line) const {
    // Lines grow with offsets, so the first start whose line is at or after line is the one.
    for (int at : FStarts)
        if (LineOf(at) >= line && LineOf(at) != 0)
            return at;
    return std::nullopt;
}

TCompiledProgram CompileProgram(TCompileTarget& target) {
    TCompiledProgram out;
    std::string image;
    std::vector<TListingEntry> listing;
    out.Result = CompileToBytes(target, image, out.Counters, &listing);
    if (out.Result.Succeeded())
        out.Program = TBoardProgram(std::move(image), listing);
    return out;
}

TCompiledProgram CompileProgram(std::vector<std::string> lines) {
    TLinesCompileTarget target(std::move(lines));
    return CompileProgram(target);
}
