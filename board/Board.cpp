// The run loop and the commands.
#include "board/Board.h"

#include "board/BoardMessages.h"

#include <algorithm>

namespace {

void ClearDisplay(TLcdState& lcd) {
    lcd.Ddram.fill(kBoard.LcdBlank);
    lcd.Ac = 0;
    lcd.Shift = 0;
}

// The address after ac: along the first line, on to the second, back to the first.
std::uint8_t NextAddress(std::uint8_t ac) {
    const auto lastOfLine = static_cast<std::uint8_t>(kBoard.LcdLineCells - 1);
    if (ac == kBoard.LcdFirstLine + lastOfLine)
        return kBoard.LcdSecondLine;
    if (ac == kBoard.LcdSecondLine + lastOfLine)
        return kBoard.LcdFirstLine;
    return static_cast<std::uint8_t>(ac + 1);
}

} // namespace

std::uint8_t TLcdState::Visible(int row, int column) const {
    const int cells = kBoard.LcdLineCells;
    int along = (Shift + column + (row >= 2 ? kBoard.LcdColumns : 0)) % cells;
    return Ddram[static_cast<std::size_t>((row % 2) * cells + along)];
}

std::uint32_t ToneFrequencyHz(std::uint32_t periodUs) {
    return periodUs == 0 ? 0 : (1'000'000 + periodUs / 2) / periodUs;
}

TBoard::TBoard() {
    Reset();
}

TBoard::TBoard(TBoardProgram program) : FProgram(std::move(program)) {
    Reset();
}

void TBoard::Load(TBoardProgram program) {
    FProgram = std::move(program);
    FPoints.clear();
    FStopPoints = 0;
    Reset();
}

void TBoard::Reset() {
    FState = TBoardState{};
    ClearDisplay(FState.Lcd);
    FWarnings.clear();
    FError.reset();
    FWarned.assign(static_cast<std::size_t>(FProgram.Size()) + 1, 0);
    FPoints.resize(static_cast<std::size_t>(FProgram.Size()) + 1, 0);
}

void TBoard::Restore(const TBoardState& state, std::span<const TBoardEvent> warnings) {
    FState = state;
    FError.reset();
    FWarnings.assign(warnings.begin(), warnings.end());
    // A warning is raised once per offset: those taken back may be raised again.
    std::fill(FWarned.begin(), FWarned.end(), 0);
    for (const TBoardEvent& warning : FWarnings)
        FWarned[static_cast<std::size_t>(warning.Offset)] = 1;
}

TStopReason TBoard::Replay(std::uint64_t maxSteps, std::uint64_t untilUs) {
    if (FState.Status != TBoardStatus::Running)
        return FState.Status == TBoardStatus::Stopped ? TStopReason::Stopped : TStopReason::Error;
    return Execute<false>(maxSteps, untilUs, false);
}

void TBoard::SetStopPoints(const std::vector<int>& offsets) {
    ClearStopPoints();
    for (int offset : offsets) {
        if (!FProgram.IsCommandStart(offset) || IsStopPoint(offset))
            continue;
        FPoints[static_cast<std::size_t>(offset)] |= kStopPoint;
        ++FStopPoints;
    }
}

void TBoard::ClearStopPoints() {
    std::fill(FPoints.begin(), FPoints.end(), 0);
    FStopPoints = 0;
}

bool TBoard::IsStopPoint(int offset) const {
    return offset >= 0 && offset < FProgram.Size() &&
           (FPoints[static_cast<std::size_t>(offset)] & kStopPoint);
}

std::uint32_t TBoard::TonePeriodAt(std::uint64_t t) const {
    const std::optional<TTone>& tone = FState.Sound.Last;
    if (!tone || t < tone->StartUs || t - tone->StartUs >= tone->DurationUs)
        return 0;
    return tone->PeriodUs;
}

TStopReason TBoard::Step() {
    return Run(TRunLimits{1, UINT64_MAX, -1});
}

TStopReason TBoard::Run(const TRunLimits& limits) {
    if (FState.Status == TBoardStatus::Stopped)
        return TStopReason::Stopped;
    if (FState.Status == TBoardStatus::Error)
        return TStopReason::Error;
    bool runTo = limits.RunTo >= 0 && limits.RunTo < FProgram.Size();
    if (runTo)
        FPoints[static_cast<std::size_t>(limits.RunTo)] |= kRunTo;
    bool anyPoint = runTo || FStopPoints > 0;
    TStopReason reason =
        anyPoint ? Execute<true>(limits.MaxSteps, limits.UntilTimeUs, limits.PassPointAtStart)
                 : Execute<false>(limits.MaxSteps, limits.UntilTimeUs, false);
    if (runTo)
        FPoints[static_cast<std::size_t>(limits.RunTo)] &= static_cast<std::uint8_t>(~kRunTo);
    return reason;
}

// The run loop: pc, time and the step count live in locals, each command is one switch case
// over its decoded operation, and only the LCD commands, the warnings and the errors leave
// the loop's function.
template <bool CheckPoints>
TStopReason TBoard::Execute(std::uint64_t maxSteps, std::uint64_t untilUs, bool passAtStart) {
    const TOp* const ops = FProgram.Ops();
    const std::uint8_t* const points = FPoints.data();
    TBoardState& s = FState;
    int pc = s.Pc;
    std::uint64_t time = s.TimeUs;
    std::uint64_t steps = 0;
    TStopReason reason = TStopReason::Budget;
    for (;;) {
        if (steps == maxSteps) {
            reason = TStopReason::Budget;
            break;
        }
        if (time >= untilUs) {
            reason = TStopReason::TimeLimit;
            break;
        }
        if constexpr (CheckPoints) {
            if (points[pc] != 0 && (steps != 0 || !passAtStart)) {
                reason = points[pc] & kStopPoint ? TStopReason::StopPoint : TStopReason::RunTo;
                break;
            }
        }
        const TOp& op = ops[pc];
        int next = pc + op.Size;
        switch (op.Kind) {
        case TOpKind::Nop:
        case TOpKind::Pause:
            break;
        case TOpKind::Stop:
            // Fetched and counted; pc stays on the stop.
            s.Status = TBoardStatus::Stopped;
            time += op.Us;
            ++steps;
            reason = TStopReason::Stopped;
            goto done;
        case TOpKind::Reset:
            next = 0;
            break;
        case TOpKind::Goto:
            next = static_cast<int>(op.Target);
            break;
        case TOpKind::AllOn:
            s.Port[op.Port] = kBoard.AllPinsOn;
            break;
        case TOpKind::AllOff:
            s.Port[op.Port] = 0;
            break;
        case TOpKind::Config:
            s.Ddr[op.Port] = op.X;
            break;
        case TOpKind::Write:
            s.Port[op.Port] = op.X;
            break;
        case TOpKind::Inc:
            ++s.Port[op.Port];
            break;
        case TOpKind::Dec:
            --s.Port[op.Port];
            break;
        case TOpKind::Invert:
            s.Port[op.Port] = static_cast<std::uint8_t>(~s.Port[op.Port]);
            break;
        case TOpKind::OnPin:
        case TOpKind::OffPin:
            if (op.X >= kBoard.PinsPerPort) {
                s.Pc = pc;
                FEventStep = s.Steps + steps;
                Warn(BoardText::PinOutOfRange);
            } else if (op.Kind == TOpKind::OnPin) {
                s.Port[op.Port] |= static_cast<std::uint8_t>(1u << op.X);
            } else {
                s.Port[op.Port] &= static_cast<std::uint8_t>(~(1u << op.X));
            }
            break;
        case TOpKind::InitLcd:
        case TOpKind::LcdOut:
        case TOpKind::LcdClear:
        case TOpKind::LcdLeft:
        case TOpKind::LcdRight:
        case TOpKind::LcdLine:
            s.Pc = pc;
            FEventStep = s.Steps + steps;
            LcdCommand(op);
            break;
        case TOpKind::Sound:
            s.Sound.Last = TTone{time + kBoard.FetchUsPerByte * op.Size,
                                 std::uint64_t{op.X} * kBoard.ToneDurationUnitUs,
                                 op.Y * kBoard.TonePeriodUnitUs};
            ++s.Sound.Tones;
            break;
        case TOpKind::OutSound:
            s.Sound.Raised = true;
            break;
        case TOpKind::BadJump:
        case TOpKind::Unknown:
        case TOpKind::OffTheEnd:
        case TOpKind::Inside:
            s.Pc = pc;
            FEventStep = s.Steps + steps;
            Fail(op);
            reason = TStopReason::Error;
            goto done;
        }
        time += op.Us;
        ++steps;
        pc = next;
    }
done:
    s.Pc = pc;
    s.TimeUs = time;
    s.Steps += steps;
    return reason;
}

void TBoard::LcdCommand(const TOp& op) {
    TLcdState& lcd = FState.Lcd;
    if (op.Kind == TOpKind::InitLcd) {
        lcd.Port = op.Port == 0 ? TLcdPort::D : TLcdPort::B;
        ClearDisplay(lcd);
        return;
    }
    if (lcd.Port == TLcdPort::None) {
        Warn(BoardText::LcdNotAttached);
        return;
    }
    const int cells = kBoard.LcdLineCells;
    switch (op.Kind) {
    case TOpKind::LcdOut:
        lcd.Ddram[static_cast<std::size_t>(TLcdState::CellOf(lcd.Ac))] = op.X;
        lcd.Ac = NextAddress(lcd.Ac);
        break;
    case TOpKind::LcdClear:
        ClearDisplay(lcd);
        break;
    case TOpKind::LcdLeft:
        lcd.Shift = static_cast<std::uint8_t>((lcd.Shift + 1) % cells);
        break;
    case TOpKind::LcdRight:
        lcd.Shift = static_cast<std::uint8_t>((lcd.Shift + cells - 1) % cells);
        break;
    case TOpKind::LcdLine:
        lcd.Ac = op.X;
        break;
    default:
        break;
    }
}

void TBoard::Warn(const char* message) {
    auto at = static_cast<std::size_t>(FState.Pc);
    if (FWarned[at])
        return;
    FWarned[at] = 1;
    FWarnings.push_back(TBoardEvent{FState.Pc, FProgram.LineOf(FState.Pc), message, FEventStep});
}

void TBoard::Fail(const TOp& op) {
    std::string message;
    switch (op.Kind) {
    case TOpKind::BadJump:
        message = static_cast<int>(op.Target) < FProgram.Size()
                      ? BoardText::JumpIntoCommand(static_cast<int>(op.Target))
                      : BoardText::JumpOutside(static_cast<int>(op.Target));
        break;
    case TOpKind::Unknown:
        message = BoardText::UnknownOpcode(op.X);
        break;
    default:
        message = BoardText::RanOffTheEnd;
        break;
    }
    FState.Status = TBoardStatus::Error;
    FError = TBoardEvent{FState.Pc, FProgram.LineOf(FState.Pc), message, FEventStep};
}
