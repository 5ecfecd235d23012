// The board session: compile in memory, then runs paced by the wall clock in real time and ×10,
// or as many commands per call as the caller allows at the fastest speed.
#include "board/BoardSession.h"

#include "board/BoardMessages.h"

#include <algorithm>

TBoardSession::TBoardSession(std::function<std::vector<std::string>()> lines)
    : FSource([lines = std::move(lines)] { return CompileProgram(lines()); }),
      FStatus(BoardText::NotStarted) {}

TBoardSession::TBoardSession(std::string image)
    : FSource([image = std::move(image)] {
          TCompiledProgram program;
          program.Program = TBoardProgram(image);
          return program;
      }),
      FStatus(BoardText::NotStarted) {}

bool TBoardSession::Load() {
    return Load(FSource());
}

bool TBoardSession::Load(TCompiledProgram compiled) {
    ++FLoads;
    FCompile = std::move(compiled.Result);
    if (!FCompile.Succeeded()) {
        FLoaded = false;
        End(BoardText::NotStartedFaults);
        return false;
    }
    FBoard.Load(std::move(compiled.Program));
    FLoaded = true;
    FRunTo = -1;
    ApplyStopLines();
    FHistory.Begin(FBoard);
    return true;
}

bool TBoardSession::EnsureLoaded() {
    return (FMode != TRunMode::Idle && FLoaded) || Load();
}

void TBoardSession::Start(std::uint64_t wallUs) {
    if (FMode == TRunMode::Running || !EnsureLoaded())
        return;
    Resume(wallUs);
}

void TBoardSession::Resume(std::uint64_t wallUs) {
    FMode = TRunMode::Running;
    FStatus = BoardText::Running;
    FAnchorUs = FBoard.TimeUs();
    FAnchorWallUs = wallUs;
    FResumed = true;
}

void TBoardSession::Pause() {
    if (FMode == TRunMode::Running)
        Paused(BoardText::Paused);
}

void TBoardSession::Stop() {
    if (FMode != TRunMode::Idle)
        End(BoardText::Stopped);
}

void TBoardSession::Unload() {
    FBoard.Load(TBoardProgram());
    FHistory.Clear();
    FLoaded = false;
    FCompile = {};
    ++FLoads;
    End(BoardText::NotStarted);
}

void TBoardSession::Step() {
    if (!EnsureLoaded())
        return;
    FRunTo = -1;
    TRunLimits one;
    one.MaxSteps = 1;
    one.PassPointAtStart = true;
    TStopReason reason = RunRecorded(one);
    if (reason == TStopReason::Stopped || reason == TStopReason::Error)
        AfterStop(reason);
    else
        Paused(BoardText::PausedStep);
}

void TBoardSession::RunToLine(int line, std::uint64_t wallUs) {
    const bool loaded = FMode != TRunMode::Idle && FLoaded;
    // A new run is compiled first and loaded only when it has somewhere to run to: the board
    // keeps showing the last run otherwise.
    TCompiledProgram compiled;
    if (!loaded) {
        compiled = FSource();
        if (!compiled.Result.Succeeded()) {
            Load(std::move(compiled));
            return;
        }
    }
    const TBoardProgram& program = loaded ? FBoard.Program() : compiled.Program;
    std::optional<int> offset = program.FirstOffsetFrom(line + 1);
    if (!offset) {
        FStatus = BoardText::NoCommandFrom(line + 1);
        if (FMode == TRunMode::Paused)
            FStatus.insert(0, BoardText::PausedPrefix);
        return;
    }
    if (!loaded)
        Load(std::move(compiled));
    FRunTo = *offset;
    Resume(wallUs);
}

void TBoardSession::Reset() {
    if (Load())
        Paused(BoardText::ResetDone);
}

void TBoardSession::SetSpeed(TRunSpeed speed, std::uint64_t wallUs) {
    FAnchorUs = NowUs(wallUs);
    FAnchorWallUs = wallUs;
    FSpeed = speed;
}

void TBoardSession::StopLinesChanged() {
    if (FLoaded)
        ApplyStopLines();
}

std::vector<int> TBoardSession::StopOffsets() const {
    std::vector<int> offsets;
    for (int line : FStopLines ? FStopLines() : std::vector<int>())
        if (std::optional<int> offset = FBoard.Program().OffsetOfLine(line + 1))
            offsets.push_back(*offset);
    return offsets;
}

void TBoardSession::ApplyStopLines() {
    FBoard.SetStopPoints(StopOffsets());
}

void TBoardSession::TextChanged() {
    if (!FLoaded)
        return;
    FLoaded = false;
    FHistory.Clear();
    if (FMode != TRunMode::Idle)
        End(BoardText::StoppedTextChanged);
}

TStopReason TBoardSession::RunRecorded(TRunLimits limits) {
    for (;;) {
        TRunLimits part = limits;
        part.MaxSteps = std::min(limits.MaxSteps, FHistory.Room(FBoard));
        const std::uint64_t before = FBoard.Steps();
        const TStopReason reason = FBoard.Run(part);
        FHistory.Note(FBoard);
        const std::uint64_t ran = FBoard.Steps() - before;
        if (reason != TStopReason::Budget || ran >= limits.MaxSteps)
            return reason;
        limits.MaxSteps -= ran;
        if (ran > 0)
            limits.PassPointAtStart = false;
    }
}

void TBoardSession::GoBackTo(std::uint64_t step, std::string status) {
    FHistory.Seek(FBoard, step, true);
    FRunTo = -1;
    Paused(std::move(status));
}

void TBoardSession::StepBack() {
    if (!CanGoBack())
        return;
    // From an error: the state before the command that failed, which ran no step.
    if (FBoard.Status() == TBoardStatus::Error) {
        GoBackTo(FBoard.Steps(), BoardText::PausedStepBack);
        return;
    }
    if (FBoard.Steps() == 0) {
        Paused(BoardText::PausedRunStart);
        return;
    }
    GoBackTo(FBoard.Steps() - 1, BoardText::PausedStepBack);
}

void TBoardSession::RunBack() {
    if (!CanGoBack())
        return;
    const std::uint64_t now = FBoard.Steps();
    const std::optional<std::uint64_t> last = FHistory.LastStepAt(FBoard, StopOffsets(), now);
    ApplyStopLines();
    if (last)
        GoBackTo(*last, BoardText::PausedStopPoint);
    else
        GoBackTo(0, BoardText::PausedRunStart);
}

void TBoardSession::GoToTime(std::uint64_t t) {
    if (!CanGoBack())
        return;
    FHistory.SeekTime(FBoard, t);
    FRunTo = -1;
    Paused(BoardText::Paused);
}

void TBoardSession::RunBackToLine(int line) {
    if (!CanGoBack())
        return;
    const std::uint64_t now = FBoard.Steps();
    std::optional<int> offset = FBoard.Program().FirstOffsetFrom(line + 1);
    std::optional<std::uint64_t> last;
    if (offset)
        last = FHistory.LastStepAt(FBoard, {*offset}, now);
    ApplyStopLines();
    if (last) {
        GoBackTo(*last, BoardText::PausedRunTo);
        return;
    }
    // Stays where it was, paused.
    GoBackTo(now,
             std::string(BoardText::PausedPrefix) +
                 (offset ? BoardText::NotRunBefore(line + 1) : BoardText::NoCommandFrom(line + 1)));
}

double TBoardSession::Factor() const {
    return FSpeed == TRunSpeed::Times10 ? 10.0 : 1.0;
}

std::uint64_t TBoardSession::PacedUs(std::uint64_t wallUs) const {
    const std::uint64_t elapsed = wallUs - std::min(wallUs, FAnchorWallUs);
    return FAnchorUs + static_cast<std::uint64_t>(static_cast<double>(elapsed) * Factor());
}

std::uint64_t TBoardSession::NowUs(std::uint64_t wallUs) const {
    if (FMode != TRunMode::Running || FSpeed == TRunSpeed::Fastest)
        return FBoard.TimeUs();
    return std::min(PacedUs(wallUs), FBoard.TimeUs());
}

int TBoardSession::ActiveLine() const {
    return FMode != TRunMode::Idle && FLoaded ? FBoard.PcLine() - 1 : -1;
}

TAdvance TBoardSession::Advance(std::uint64_t wallUs, std::uint64_t maxCommands) {
    if (FMode != TRunMode::Running)
        return {};
    TRunLimits limits;
    limits.MaxSteps = maxCommands;
    limits.RunTo = FRunTo;
    limits.PassPointAtStart = FResumed;
    std::uint64_t target = 0;
    limits.UntilTimeUs = FTimeLimitUs;
    if (FSpeed != TRunSpeed::Fastest) {
        target = PacedUs(wallUs);
        // Every command that starts by now runs.
        limits.UntilTimeUs = std::min(limits.UntilTimeUs, target + 1);
    }
    const std::uint64_t steps = FBoard.Steps();
    const TStopReason reason = RunRecorded(limits);
    if (FBoard.Steps() != steps)
        FResumed = false;
    switch (reason) {
    case TStopReason::Budget:
        return {TAdvance::Budget, 0};
    case TStopReason::TimeLimit: {
        if (FBoard.TimeUs() >= FTimeLimitUs) {
            AfterStop(reason);
            return {TAdvance::Halted, 0};
        }
        // Sleep until the next command is due.
        const double aheadUs =
            static_cast<double>(FBoard.TimeUs() - std::min(FBoard.TimeUs(), target));
        const int ms = static_cast<int>(aheadUs / Factor() / 1000.0);
        return {TAdvance::Waiting, std::clamp(ms, kMinSleepMs, kMaxSleepMs)};
    }
    default:
        AfterStop(reason);
        return {TAdvance::Halted, 0};
    }
}

void TBoardSession::AfterStop(TStopReason reason) {
    FRunTo = -1;
    switch (reason) {
    case TStopReason::Stopped:
        End(BoardText::StoppedByStop);
        break;
    case TStopReason::Error: {
        const auto& error = FBoard.Error();
        End(BoardText::RunError(error ? error->Message : std::string(), error ? error->Line : 0));
        break;
    }
    case TStopReason::StopPoint:
        Paused(BoardText::PausedStopPoint);
        break;
    case TStopReason::RunTo:
        Paused(BoardText::PausedRunTo);
        break;
    case TStopReason::TimeLimit:
        Paused(BoardText::PausedTimeUp);
        break;
    default:
        Paused(BoardText::Paused);
        break;
    }
}

void TBoardSession::Paused(std::string status) {
    FMode = TRunMode::Paused;
    FStatus = std::move(status);
}

void TBoardSession::End(std::string status) {
    FMode = TRunMode::Idle;
    FStatus = std::move(status);
    FRunTo = -1;
}
