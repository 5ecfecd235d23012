// A run of a program on the board model, as the board window and tovixsim drive it: compile and
// load, Пуск, Пауза, Шаг, До курсора, Сброс, stop points, the three speeds, a limit of virtual
// time and the status to show. Plain C++ with no clock of its own: the caller passes the wall
// time (microseconds from any fixed start) into every call that needs it, and calls Advance
// again when it asks to; the fastest speed does not look at it.
#pragma once

#include "board/Board.h"
#include "board/BoardHistory.h"
#include "compiler/Compiler.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

enum class TRunSpeed : std::uint8_t { RealTime, Times10, Fastest };

enum class TRunMode : std::uint8_t {
    Idle,    // no run: nothing loaded yet, or the run has ended
    Paused,  // loaded, waiting for Пуск or Шаг
    Running, // Advance moves it on
};

// What one Advance did.
struct TAdvance {
    enum TWhat : std::uint8_t {
        NotRunning, // nothing to do: the session is not running
        Budget,     // it ran as many commands as allowed; call again at once
        Waiting,    // a paced run is ahead of the wall clock; call again after WakeAfterMs
        Halted,     // the run paused or ended (a stop point, the run-to line, stop, an error)
    };
    TWhat What = NotRunning;
    int WakeAfterMs = 0;
};

class TBoardSession {
public:
    // The shortest and longest sleep between two calls of a paced run: commands falling due in
    // between run together at the next call.
    static constexpr int kMinSleepMs = 10;
    static constexpr int kMaxSleepMs = 40;

    // lines gives the program's text, asked and compiled at every load.
    explicit TBoardSession(std::function<std::vector<std::string>()> lines);
    // An image run as it is (a .bin file): no compile, no lines.
    explicit TBoardSession(std::string image);

    // The lines (0-based) whose commands a run pauses before; asked at every load and by
    // StopLinesChanged.
    void SetStopLineSource(std::function<std::vector<int>()> source) {
        FStopLines = std::move(source);
    }

    // Пуск: runs on from where the program is paused; a new run (the text compiled, the board
    // reset) when nothing is loaded or the last run has ended.
    void Start(std::uint64_t wallUs);
    // Пауза.
    void Pause();
    // Ends the run, paused or under way: status "остановлено".
    void Stop();
    // Another program, or none: the run ends and the board shows nothing of the last one.
    void Unload();
    // Шаг: one command (a new run first when needed).
    void Step();
    // До курсора: runs until the next command to run is the first command on line (0-based) or
    // after it. When there is none it says so and starts nothing.
    void RunToLine(int line, std::uint64_t wallUs);
    // Сброс: the board at power-up with the text compiled again, paused at the first command.
    void Reset();
    void SetSpeed(TRunSpeed speed, std::uint64_t wallUs);
    // No command starts at or after this virtual time: a run that gets there pauses ("пауза:
    // время вышло"). None at first.
    void SetTimeLimit(std::uint64_t untilUs) { FTimeLimitUs = untilUs; }
    void StopLinesChanged();
    // The text has changed: the run ends and its history goes.
    void TextChanged();

    // Back in the run's history, paused afterwards; nothing while no run has been loaded.
    // Шаг назад: the state before the last command.
    void StepBack();
    // Назад: to the last step before this one that stood at a stop point, or to the start.
    void RunBack();
    // Назад до курсора: to the last time the first command on line (0-based) or after it was
    // about to run; when it never was, it says so and stays.
    void RunBackToLine(int line);
    // To the moment t of the run's history (a click on its timeline), paused there.
    void GoToTime(std::uint64_t t);
    // The memory bound and the snapshot interval of the history (set before a run).
    void SetHistoryBound(std::size_t bytes, std::uint64_t interval) {
        FHistory = TBoardHistory(bytes, interval);
    }
    const TBoardHistory& History() const { return FHistory; }

    // Runs on by the wall clock (every command due by wallUs, in real time and ×10) or, at the
    // fastest speed, as many as maxCommands.
    TAdvance Advance(std::uint64_t wallUs, std::uint64_t maxCommands);

    TRunMode Mode() const { return FMode; }
    TRunSpeed Speed() const { return FSpeed; }
    const TBoard& Board() const { return FBoard; }
    // "работает", "пауза", "остановлено: текст изменён", … (UTF-8).
    const std::string& Status() const { return FStatus; }
    // The last load's compile: its faults when the text could not run, and its warnings.
    const TCompileResult& CompileResult() const { return FCompile; }
    const std::vector<TCompileFault>& Faults() const { return FCompile.Faults; }
    // Counts the loads of a text or of nothing: the run's messages start over with each.
    int Loads() const { return FLoads; }
    // The line (0-based) of the next command while a run is under way or paused, else -1.
    int ActiveLine() const;
    // The virtual time to show: in a paced run, where the wall clock has got to within the
    // running command; else the board's own time.
    std::uint64_t NowUs(std::uint64_t wallUs) const;

private:
    bool Load();
    bool Load(TCompiledProgram compiled);
    // Loads the text unless a run is under way or paused; false when it has faults.
    bool EnsureLoaded();
    void Resume(std::uint64_t wallUs);
    void AfterStop(TStopReason reason);
    void Paused(std::string status);
    void End(std::string status);
    void ApplyStopLines();
    std::vector<int> StopOffsets() const;
    // FBoard.Run with the history kept: the run cut where snapshots fall due.
    TStopReason RunRecorded(TRunLimits limits);
    // Puts the board at step of the history and pauses there with status.
    void GoBackTo(std::uint64_t step, std::string status);
    // A run is loaded whose history can be gone back in.
    bool CanGoBack() const { return FLoaded && !FHistory.Empty(); }
    double Factor() const;
    // Where a paced run's virtual time has got to by the wall clock.
    std::uint64_t PacedUs(std::uint64_t wallUs) const;

    std::function<TCompiledProgram()> FSource; // the program of every load
    std::function<std::vector<int>()> FStopLines;
    TBoard FBoard;
    TBoardHistory FHistory;
    bool FLoaded = false;
    TRunMode FMode = TRunMode::Idle;
    TRunSpeed FSpeed = TRunSpeed::RealTime;
    std::string FStatus;
    TCompileResult FCompile;
    int FLoads = 0;
    int FRunTo = -1;
    // The next model call is the first since the run went on from a pause: it passes the stop
    // point or run-to offset it stands on. Later calls stop at one they start on.
    bool FResumed = false;
    std::uint64_t FAnchorUs = 0;     // the virtual time when the pacing started
    std::uint64_t FAnchorWallUs = 0; // the wall time then
    std::uint64_t FTimeLimitUs = UINT64_MAX;
};
