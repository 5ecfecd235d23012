// A program as the board model runs it: the byte image, decoded once from offset 0 into one
// ready-made operation per command start, and the map from offsets to program lines when the
// image was compiled from a program text.
#pragma once

#include "compiler/CommandSet.h"
#include "compiler/Compiler.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// What the model does at an offset, decided when the program is loaded.
enum class TOpKind : std::uint8_t {
    Nop,
    Stop,
    Reset,
    Goto,
    AllOn,  // Port
    AllOff, // Port
    Config, // Port, X
    Write,  // Port, X
    Inc,    // Port
    Dec,    // Port
    Invert, // Port
    OnPin,  // Port, X
    OffPin, // Port, X
    Pause,  // the wait is in Us
    InitLcd,
    LcdOut, // X
    LcdClear,
    LcdLeft,
    LcdRight,
    LcdLine, // X: the address counter's new value
    Sound,   // X duration, Y period (in the table's units)
    OutSound,
    // The failures, found at load time and raised when the run reaches them.
    BadJump,   // a goto whose address is no command start; Target holds it
    Unknown,   // a byte that is no opcode; X holds it
    OffTheEnd, // the image size, or a command cut short by the end of the image
    Inside,    // a byte inside a command: never run, since no jump can reach it
};

// One decoded command, sized to keep the run's table compact.
struct TOp {
    TOpKind Kind = TOpKind::Inside;
    std::uint8_t Size = 0;    // bytes fetched
    std::uint8_t Port = 0;    // 0: port D, 1: port B
    std::uint8_t X = 0;       // first operand byte
    std::uint8_t Y = 0;       // second operand byte
    std::uint32_t Us = 0;     // virtual time the command takes: its fetch, and its pause or tone
    std::uint32_t Target = 0; // goto: the address
};

class TBoardProgram {
public:
    // The empty image: running it is at once the error of running off its end.
    TBoardProgram() : TBoardProgram(std::string()) {}
    // A raw image (a .bin file): no lines.
    explicit TBoardProgram(std::string image);
    // A compiled image and the compile's listing, whose lines give each offset its line.
    TBoardProgram(std::string image, std::span<const TListingEntry> listing);

    const std::string& Image() const { return FImage; }
    int Size() const { return static_cast<int>(FImage.size()); }
    bool HasLines() const { return FHasLines; }

    // The offsets where commands start, found by decoding the image from offset 0 (a byte that
    // is no opcode counts as a one-byte command).
    const std::vector<int>& CommandStarts() const { return FStarts; }
    bool IsCommandStart(int offset) const;
    // The command whose opcode is at offset, or nullptr.
    const TCommand* CommandAt(int offset) const;
    // The command at offset as a program line: "goto_0003", "sound_20_3C", "?? 3F" for a byte
    // that is no opcode, "" outside the image.
    std::string CommandText(int offset) const;

    // The 1-based program line of the command starting at offset, or 0 (no lines, or no
    // command starts there).
    int LineOf(int offset) const;
    // The offset of the command on 1-based line, if the line holds one.
    std::optional<int> OffsetOfLine(int line) const;
    // The offset of the first command on line or after it ("До курсора" on a comment line).
    std::optional<int> FirstOffsetFrom(int line) const;

    // The decoded table, Size() + 1 entries: one per offset, the last one OffTheEnd.
    const TOp* Ops() const { return FOps.data(); }
    const TOp& Op(int offset) const { return FOps[static_cast<std::size_t>(offset)]; }

private:
    void Decode();

    std::string FImage;
    std::vector<TOp> FOps;
    std::vector<int> FStarts;
    std::vector<int> FLineOf; // per offset, 1-based; empty without lines
    bool FHasLines = false;
};

// A program text compiled in memory as the compile does it, with the listing kept for the
// lines. Without faults Program holds the image; with faults it is empty and Result lists them.
struct TCompiledProgram {
    TCompileResult Result;
    TBoardProgram Program;
    TCompileCounters Counters;
};

// Compiles target with CompileToBytes (the compile tidies its lines and marks them).
TCompiledProgram CompileProgram(TCompileTarget& target);
// Compiles lines (a program's lines with TABs expanded, as ReadTextFile gives them).
TCompiledProgram CompileProgram(std::vector<std::string> lines);
