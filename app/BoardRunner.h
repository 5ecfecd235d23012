// Runs the editor's program on the board model for the board window, on the GUI thread in
// slices driven by a timer: in real time, ten times faster, or as fast as it can, never holding
// the GUI more than a few milliseconds. It shows the line of the next command in the editor
// with the active-line arrow and colours while a run is under way or paused.
#pragma once

#include "board/Board.h"
#include "compiler/Compiler.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <vector>

class TCodeCustomMemo;

class TBoardRunner : public QObject {
    Q_OBJECT

public:
    enum class TSpeed { RealTime, Times10, Fastest };
    enum class TMode {
        Idle,    // no run: nothing loaded yet, or the run has ended
        Paused,  // loaded, waiting for Пуск or Шаг
        Running, // the timer drives it
    };

    // Longest stretch of one slice on the GUI thread; the shortest and longest sleep between
    // two slices of a paced run (commands falling due in between run together at the next);
    // the time between two pictures of a run.
    static constexpr int kSliceMs = 8;
    static constexpr int kMinSleepMs = 10;
    static constexpr int kMaxSleepMs = 40;
    static constexpr int kFrameMs = 40;

    explicit TBoardRunner(TCodeCustomMemo& memo, QObject* parent = nullptr);
    ~TBoardRunner() override;

    // Пуск: runs on from where the program is paused; a new run (the text compiled in memory,
    // the board reset) when nothing is loaded or the last run has ended.
    void Start();
    // Пауза.
    void Pause();
    // Ends the run, paused or under way (the window is closed): status "остановлено".
    void Stop();
    // Another program (or none) has come in: the run ends and the board shows nothing of the
    // last one, status "не запущено".
    void Unload();
    // Шаг: one command (a new run first when needed).
    void Step();
    // До курсора: runs until the next command to run is the first command on line (0-based) or
    // after it. When there is none, it says so and starts nothing.
    void RunToLine(int line);
    // Сброс: the board at power-up with the text compiled again; paused at the first command.
    void Reset();
    void SetSpeed(TSpeed speed);
    TSpeed Speed() const { return FSpeed; }
    // Where the lines (0-based) come from whose commands a run pauses before; asked at every
    // load and by StopLinesChanged.
    void SetStopLineSource(std::function<std::vector<int>()> source) {
        FStopLineSource = std::move(source);
    }
    void StopLinesChanged();
    // The text has changed: the run ends.
    void TextChanged();

    TMode Mode() const { return FMode; }
    const TBoard& Board() const { return FBoard; }
    // The status line: "работает", "пауза", "остановлено: текст изменён", …
    const QString& Status() const { return FStatus; }
    // The compile's faults when the text could not run; empty otherwise.
    const std::vector<TCompileFault>& Faults() const { return FFaults; }
    // Counts the compiles of the text for a run: the warnings start over with each.
    int Loads() const { return FLoads; }
    // The virtual time the display shows: in a real-time run, where the wall clock has got to
    // within the running command; else the board's own time.
    std::uint64_t NowUs() const;

signals:
    // Something the window shows has changed.
    void Changed();

private:
    // Puts a compiled text on the board; false, with its faults shown, when it has faults.
    bool Load(TCompiledProgram compiled);
    bool Load();
    // Loads the text unless a run is under way or paused; false when it has faults.
    bool EnsureLoaded();
    void Resume();
    void Tick();
    void End(const QString& status);
    void Paused(const QString& status);
    void AfterStop(TStopReason reason);
    void ShowInEditor();
    void ApplyStopLines();
    double Factor() const;
    // Where a paced run's virtual time has got to by the wall clock.
    std::uint64_t PacedUs() const;

    TCodeCustomMemo& FMemo;
    TBoard FBoard;
    bool FLoaded = false;
    TMode FMode = TMode::Idle;
    TSpeed FSpeed = TSpeed::RealTime;
    QString FStatus;
    std::vector<TCompileFault> FFaults;
    std::function<std::vector<int>()> FStopLineSource;
    int FLoads = 0;
    int FRunTo = -1;
    // The next model call is the first since the run went on from a pause: it passes the stop
    // point or run-to offset it stands on. Later slices stop at one they start on.
    bool FResumed = false;
    QTimer FTimer;
    QElapsedTimer FWall;         // since the run (re)started at FAnchorUs
    QElapsedTimer FFrame;        // since the last picture of the run
    std::uint64_t FAnchorUs = 0; // the virtual time when FWall started
    int FShownLine = -1;         // the editor's active line, -1: none
};
