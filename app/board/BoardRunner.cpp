// The board runner: the session's calls on a single-shot timer, slices bounded by the wall clock.
#include "app/board/BoardRunner.h"

#include "editor/CodeMemo.h"

namespace {

// Commands per session call between two looks at the clock.
constexpr std::uint64_t kCommandsPerCall = 50'000;

} // namespace

TBoardRunner::TBoardRunner(TCodeCustomMemo& memo, QObject* parent)
    : QObject(parent), FSession([&memo] { return memo.Lines().ToVector(); }), FRunLine(memo) {
    FTimer.setSingleShot(true);
    connect(&FTimer, &QTimer::timeout, this, &TBoardRunner::Tick);
    FWall.start();
}

// The runner goes with the main window, after its editor: it leaves the editor alone.
TBoardRunner::~TBoardRunner() = default;

std::uint64_t TBoardRunner::WallUs() const {
    return static_cast<std::uint64_t>(FWall.nsecsElapsed() / 1000);
}

void TBoardRunner::Show() {
    if (FSession.Mode() == TRunMode::Running) {
        if (!FTimer.isActive())
            FTimer.start(0);
    } else {
        FTimer.stop();
    }
    FRunLine.Show(FSession.ActiveLine());
    emit Changed();
}

void TBoardRunner::Start() {
    FSession.Start(WallUs());
    Show();
}

void TBoardRunner::Pause() {
    FSession.Pause();
    Show();
}

void TBoardRunner::Stop() {
    FSession.Stop();
    Show();
}

void TBoardRunner::Unload() {
    FSession.Unload();
    Show();
}

void TBoardRunner::Step() {
    FTimer.stop();
    FSession.Step();
    Show();
}

void TBoardRunner::RunToLine(int line) {
    FSession.RunToLine(line, WallUs());
    Show();
}

void TBoardRunner::Reset() {
    FTimer.stop();
    FSession.Reset();
    Show();
}

void TBoardRunner::StepBack() {
    FTimer.stop();
    FSession.StepBack();
    Show();
}

void TBoardRunner::RunBack() {
    FTimer.stop();
    FSession.RunBack();
    Show();
}

void TBoardRunner::RunBackToLine(int line) {
    FTimer.stop();
    FSession.RunBackToLine(line);
    Show();
}

void TBoardRunner::GoToTime(std::uint64_t t) {
    FTimer.stop();
    FSession.GoToTime(t);
    Show();
}

void TBoardRunner::SetSpeed(TSpeed speed) {
    FSession.SetSpeed(speed, WallUs());
}

void TBoardRunner::TextChanged() {
    const TRunMode before = FSession.Mode();
    FSession.TextChanged();
    if (FSession.Mode() != before)
        Show();
}

void TBoardRunner::Tick() {
    QElapsedTimer slice;
    slice.start();
    TAdvance advance;
    do {
        advance = FSession.Advance(WallUs(), kCommandsPerCall);
    } while (advance.What == TAdvance::Budget && slice.elapsed() < kSliceMs);
    if (advance.What == TAdvance::Halted || advance.What == TAdvance::NotRunning) {
        Show();
        return;
    }
    if (!FFrame.isValid() || FFrame.elapsed() >= kFrameMs) {
        FFrame.restart();
        FRunLine.Show(FSession.ActiveLine());
        emit Changed();
    }
    FTimer.start(advance.What == TAdvance::Waiting ? advance.WakeAfterMs : 0);
}
