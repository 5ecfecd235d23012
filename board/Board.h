// The board model: the interpreter running a program on the board with two 8-bit ports, a
// 20 x 4 HD44780 display and a sound pin, in virtual time. Plain C++: tovixsim and the board
// window drive it, the window in slices from a timer.
#pragma once

#include "board/BoardConstants.h"
#include "board/BoardProgram.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

enum class TBoardStatus : std::uint8_t {
    Running, // the next command can run
    Stopped, // a stop ran
    Error,   // a command failed; Error() says which
};

enum class TLcdPort : std::uint8_t { None, D, B };

struct TLcdState {
    TLcdPort Port = TLcdPort::None; // not attached until initlcdd / initlcdb
    std::uint8_t Ac = 0;            // address counter: 0x00..0x27, 0x40..0x67
    std::uint8_t Shift = 0;         // display shift, 0..39
    // Both DDRAM lines: cells 0..39 are addresses 0x00..0x27, 40..79 are 0x40..0x67.
    std::array<std::uint8_t, kDdramCells> Ddram{};

    // The cell of a DDRAM address.
    static int CellOf(std::uint8_t address) {
        return (address >= kBoard.LcdSecondLine ? kBoard.LcdLineCells : 0) + (address & 0x3F);
    }
    std::uint8_t At(std::uint8_t address) const {
        return Ddram[static_cast<std::size_t>(CellOf(address))];
    }
    // The code shown at a visible cell: row 0..3, column 0..19.
    std::uint8_t Visible(int row, int column) const;

    bool operator==(const TLcdState&) const = default;
};

struct TTone {
    std::uint64_t StartUs = 0; // right after its command's fetch
    std::uint64_t DurationUs = 0;
    std::uint32_t PeriodUs = 0; // 0: silence

    bool operator==(const TTone&) const = default;
};

// The frequency of a tone's period in Hz, rounded; 0 for silence.
std::uint32_t ToneFrequencyHz(std::uint32_t periodUs);

struct TSoundState {
    bool Raised = false;     // volume "raised" after outsound, "normal" before
    std::uint64_t Tones = 0; // sound commands run
    std::optional<TTone> Last;

    bool operator==(const TSoundState&) const = default;
};

// Everything a command can change: the model's whole state but the warnings and the error.
// A value, so that a caller may keep one and compare (see BoardChanges.h).
struct TBoardState {
    int Pc = 0; // offset of the next command; after stop or an error the command's own
    std::uint64_t TimeUs = 0;
    std::uint64_t Steps = 0; // commands run
    TBoardStatus Status = TBoardStatus::Running;
    std::array<std::uint8_t, 2> Port{}; // PORTD, PORTB
    std::array<std::uint8_t, 2> Ddr{};  // DDRD, DDRB
    TLcdState Lcd;
    TSoundState Sound;

    bool operator==(const TBoardState&) const = default;
};

// A warning or the error, with where it happened.
struct TBoardEvent {
    int Offset = 0;
    int Line = 0; // 1-based, 0 when the program has no lines
    std::string Message;
    std::uint64_t Step = 0; // commands run before the one it belongs to

    bool operator==(const TBoardEvent&) const = default;
};

// Why a run call came back.
enum class TStopReason : std::uint8_t {
    Budget,    // it ran as many commands as it was allowed
    TimeLimit, // virtual time reached the limit
    StopPoint, // the next command is at a stop point
    RunTo,     // the next command is at the "run to" offset
    Stopped,   // a stop ran (or had run before the call)
    Error,     // a command failed (or had failed before the call)
};

struct TRunLimits {
    std::uint64_t MaxSteps = UINT64_MAX;    // commands this call may run
    std::uint64_t UntilTimeUs = UINT64_MAX; // no command starts at or after this virtual time
    int RunTo = -1;                         // stop before the command at this offset; -1: none
    // The first command passes a stop point or the run-to offset it stands on: the run goes on
    // from where it paused there. A caller that continues a run in slices passes false after
    // the first slice, so that a point reached right at a slice's start still stops it.
    bool PassPointAtStart = true;
};

class TBoard {
public:
    TBoard();
    explicit TBoard(TBoardProgram program);

    // Puts a new program in and resets.
    void Load(TBoardProgram program);
    // The state at power-up: pc 0, registers 0, LCD not attached and blank, normal volume, time
    // 0; no warnings, no error.
    void Reset();

    // Runs one command, whatever stop points there are.
    TStopReason Step();
    // Runs commands until a limit, a stop point, the run-to offset, a stop or an error. The
    // first command of the call passes the point it starts on unless the limits say otherwise;
    // the step and time limits are checked before every command, the first included.
    TStopReason Run(const TRunLimits& limits);

    // Puts the board back to an earlier state of the same run: state, the warnings raised
    // before it and no error. The state must be one this program reached, so that running on
    // from it does what the run did.
    void Restore(const TBoardState& state, std::span<const TBoardEvent> warnings);
    // Runs up to maxSteps commands past every stop point, none starting at or after untilUs: a
    // recorded run replayed.
    TStopReason Replay(std::uint64_t maxSteps, std::uint64_t untilUs = UINT64_MAX);

    // Stop points: the run pauses before the commands at these offsets. Offsets that are no
    // command start are ignored.
    void SetStopPoints(const std::vector<int>& offsets);
    void ClearStopPoints();
    bool IsStopPoint(int offset) const;

    const TBoardProgram& Program() const { return FProgram; }
    const TBoardState& State() const { return FState; }
    const std::vector<TBoardEvent>& Warnings() const { return FWarnings; }
    const std::optional<TBoardEvent>& Error() const { return FError; }

    int Pc() const { return FState.Pc; }
    int PcLine() const { return FProgram.LineOf(FState.Pc); }
    std::uint64_t TimeUs() const { return FState.TimeUs; }
    std::uint64_t Steps() const { return FState.Steps; }
    TBoardStatus Status() const { return FState.Status; }
    std::uint8_t PortD() const { return FState.Port[0]; }
    std::uint8_t PortB() const { return FState.Port[1]; }
    std::uint8_t DdrD() const { return FState.Ddr[0]; }
    std::uint8_t DdrB() const { return FState.Ddr[1]; }
    const TLcdState& Lcd() const { return FState.Lcd; }
    const TSoundState& Sound() const { return FState.Sound; }

    // The period of the tone sounding at virtual time t, or 0 when the pin is silent then.
    std::uint32_t TonePeriodAt(std::uint64_t t) const;

private:
    enum : std::uint8_t { kStopPoint = 1, kRunTo = 2 };

    template <bool CheckPoints>
    TStopReason Execute(std::uint64_t maxSteps, std::uint64_t untilUs, bool passAtStart);
    void Fail(const TOp& op);
    void Warn(const char* message);
    void LcdCommand(const TOp& op);

    TBoardProgram FProgram;
    TBoardState FState;
    std::vector<TBoardEvent> FWarnings;
    std::optional<TBoardEvent> FError;
    std::vector<std::uint8_t> FWarned; // per offset: a warning was reported there
    std::vector<std::uint8_t> FPoints; // per offset: kStopPoint, kRunTo
    int FStopPoints = 0;               // offsets marked kStopPoint
    std::uint64_t FEventStep = 0;      // the step of a warning or error being raised
};
