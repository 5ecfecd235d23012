// The board runner: compile in memory, then timer slices of the model, paced by the wall clock
// in real time and ×10, or as many commands as fit in a slice at the fastest speed.
#include "app/BoardRunner.h"

#include "board/BoardProgram.h"
#include "editor/CodeMemo.h"

#include <algorithm>

namespace {

// Commands per model call between two looks at the clock.
constexpr std::uint64_t kCommandsPerCall = 50'000;

} // namespace

TBoardRunner::TBoardRunner(TCodeCustomMemo& memo, QObject* parent) : QObject(parent), FMemo(memo) {
    FTimer.setSingleShot(true);
    connect(&FTimer, &QTimer::timeout, this, &TBoardRunner::Tick);
    FStatus = QString::fromUtf8("не запущено");
}

// The runner goes with the main window, after its editor: it leaves the editor alone.
TBoardRunner::~TBoardRunner() = default;

bool TBoardRunner::Load() {
    return Load(CompileProgram(FMemo.Lines().ToVector()));
}

bool TBoardRunner::Load(TCompiledProgram compiled) {
    if (!compiled.Result.Succeeded()) {
        ++FLoads;
        FFaults = std::move(compiled.Result.Faults);
        FLoaded = false;
        End(QString::fromUtf8("не запущено: ошибки в программе"));
        return false;
    }
    ++FLoads;
    FFaults.clear();
    FBoard.Load(std::move(compiled.Program));
    FLoaded = true;
    FRunTo = -1;
    ApplyStopLines();
    return true;
}

bool TBoardRunner::EnsureLoaded() {
    return (FMode != TMode::Idle && FLoaded) || Load();
}

void TBoardRunner::Start() {
    if (FMode == TMode::Running)
        return;
    if (!EnsureLoaded())
        return;
    Resume();
}

void TBoardRunner::Resume() {
    FMode = TMode::Running;
    FStatus = QString::fromUtf8("работает");
    FAnchorUs = FBoard.TimeUs();
    FWall.restart();
    FResumed = true;
    ShowInEditor();
    emit Changed();
    FTimer.start(0);
}

void TBoardRunner::Pause() {
    if (FMode == TMode::Running)
        Paused(QString::fromUtf8("пауза"));
}

void TBoardRunner::Stop() {
    if (FMode != TMode::Idle)
        End(QString::fromUtf8("остановлено"));
}

void TBoardRunner::Unload() {
    FTimer.stop();
    FBoard.Load(TBoardProgram());
    FLoaded = false;
    FFaults.clear();
    ++FLoads;
    End(QString::fromUtf8("не запущено"));
}

void TBoardRunner::Step() {
    if (!EnsureLoaded())
        return;
    FTimer.stop();
    FRunTo = -1;
    TStopReason reason = FBoard.Step();
    if (reason == TStopReason::Stopped || reason == TStopReason::Error)
        AfterStop(reason);
    else
        Paused(QString::fromUtf8("пауза: шаг"));
}

void TBoardRunner::RunToLine(int line) {
    const bool loaded = FMode != TMode::Idle && FLoaded;
    // A new run is compiled first and loaded only when it has somewhere to run to: the board
    // keeps showing the last run otherwise.
    TCompiledProgram compiled;
    if (!loaded) {
        compiled = CompileProgram(FMemo.Lines().ToVector());
        if (!compiled.Result.Succeeded()) {
            Load(std::move(compiled));
            return;
        }
    }
    const TBoardProgram& program = loaded ? FBoard.Program() : compiled.Program;
    std::optional<int> offset = program.FirstOffsetFrom(line + 1);
    if (!offset) {
        FStatus = QString::fromUtf8("на строке %1 и после неё нет команд").arg(line + 1);
        if (FMode == TMode::Paused)
            FStatus.prepend(QString::fromUtf8("пауза: "));
        emit Changed();
        return;
    }
    if (!loaded)
        Load(std::move(compiled));
    FRunTo = *offset;
    Resume();
}

void TBoardRunner::Reset() {
    FTimer.stop();
    if (!Load())
        return;
    Paused(QString::fromUtf8("сброс"));
}

void TBoardRunner::SetSpeed(TSpeed speed) {
    FAnchorUs = NowUs();
    FWall.restart();
    FSpeed = speed;
}

void TBoardRunner::StopLinesChanged() {
    if (FLoaded)
        ApplyStopLines();
}

void TBoardRunner::ApplyStopLines() {
    std::vector<int> offsets;
    for (int line : FStopLineSource ? FStopLineSource() : std::vector<int>())
        if (std::optional<int> offset = FBoard.Program().OffsetOfLine(line + 1))
            offsets.push_back(*offset);
    FBoard.SetStopPoints(offsets);
}

void TBoardRunner::TextChanged() {
    if (!FLoaded)
        return;
    FLoaded = false;
    if (FMode != TMode::Idle)
        End(QString::fromUtf8("остановлено: текст изменён"));
}

double TBoardRunner::Factor() const {
    return FSpeed == TSpeed::Times10 ? 10.0 : 1.0;
}

std::uint64_t TBoardRunner::PacedUs() const {
    return FAnchorUs +
           static_cast<std::uint64_t>(static_cast<double>(FWall.nsecsElapsed()) / 1e3 * Factor());
}

std::uint64_t TBoardRunner::NowUs() const {
    if (FMode != TMode::Running || FSpeed == TSpeed::Fastest)
        return FBoard.TimeUs();
    return std::min(PacedUs(), FBoard.TimeUs());
}

void TBoardRunner::Tick() {
    if (FMode != TMode::Running)
        return;
    QElapsedTimer slice;
    slice.start();
    TRunLimits limits;
    limits.MaxSteps = kCommandsPerCall;
    limits.RunTo = FRunTo;
    limits.PassPointAtStart = FResumed;
    std::uint64_t target = 0;
    const bool paced = FSpeed != TSpeed::Fastest;
    if (paced) {
        target = PacedUs();
        // Every command that starts by now runs.
        limits.UntilTimeUs = target + 1;
    }
    TStopReason reason;
    do {
        const std::uint64_t steps = FBoard.Steps();
        reason = FBoard.Run(limits);
        if (FBoard.Steps() != steps)
            FResumed = limits.PassPointAtStart = false;
    } while (reason == TStopReason::Budget && slice.elapsed() < kSliceMs);

    if (reason != TStopReason::Budget && reason != TStopReason::TimeLimit) {
        AfterStop(reason);
        return;
    }
    int delayMs = 0;
    if (reason == TStopReason::TimeLimit) {
        // Sleep until the next command is due, waking for the display now and then.
        double aheadUs = static_cast<double>(FBoard.TimeUs() - std::min(FBoard.TimeUs(), target));
        delayMs =
            std::clamp(static_cast<int>(aheadUs / Factor() / 1000.0), kMinSleepMs, kMaxSleepMs);
    }
    if (!FFrame.isValid() || FFrame.elapsed() >= kFrameMs) {
        FFrame.restart();
        ShowInEditor();
        emit Changed();
    }
    FTimer.start(delayMs);
}

void TBoardRunner::AfterStop(TStopReason reason) {
    FRunTo = -1;
    switch (reason) {
    case TStopReason::Stopped:
        End(QString::fromUtf8("остановлено: stop"));
        break;
    case TStopReason::Error: {
        QString message;
        if (const auto& error = FBoard.Error()) {
            message = QString::fromStdString(error->Message);
            if (error->Line > 0)
                message += QString::fromUtf8(" (строка %1)").arg(error->Line);
        }
        End(QString::fromUtf8("ошибка: ") + message);
        break;
    }
    case TStopReason::StopPoint:
        Paused(QString::fromUtf8("пауза: точка остановки"));
        break;
    case TStopReason::RunTo:
        Paused(QString::fromUtf8("пауза: до курсора"));
        break;
    default:
        Paused(QString::fromUtf8("пауза"));
        break;
    }
}

void TBoardRunner::Paused(const QString& status) {
    FTimer.stop();
    FMode = TMode::Paused;
    FStatus = status;
    ShowInEditor();
    emit Changed();
}

void TBoardRunner::End(const QString& status) {
    FTimer.stop();
    FMode = TMode::Idle;
    FStatus = status;
    FRunTo = -1;
    ShowInEditor();
    emit Changed();
}

void TBoardRunner::ShowInEditor() {
    int line = FMode != TMode::Idle && FLoaded ? FBoard.PcLine() - 1 : -1;
    if (line == FShownLine)
        return;
    FShownLine = line;
    // The last row in view may show only part of its line: the line goes to the middle then.
    const int rows = FMemo.VisibleRows();
    if (line >= 0 && (line < FMemo.TopLine() || line >= FMemo.TopLine() + rows - 1))
        FMemo.SetTopLine(std::max(0, line - rows / 2));
    TCodeActiveLineSettings& settings = FMemo.ActiveLineSettings();
    settings.SetShowActiveLine(line >= 0);
    settings.SetShowActiveLineIndicator(line >= 0);
    // The next command's line stays visible on a line the compile has marked.
    settings.SetActiveLineOverBreakpoint(line >= 0);
    FMemo.SetActiveLine(line);
    FMemo.Invalidate();
}
