// Drives the board session for the board window on the GUI thread: a timer calls the session in
// slices of a few milliseconds, with the wall clock, and the window and the editor's run line
// are brought up to date about 25 times a second while a run is under way.
#pragma once

#include "board/BoardSession.h"
#include "workbench/RunLine.h"

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
    using TSpeed = TRunSpeed;
    using TMode = TRunMode;

    // Longest stretch of one slice on the GUI thread; the time between two pictures of a run.
    static constexpr int kSliceMs = 8;
    static constexpr int kFrameMs = 40;

    explicit TBoardRunner(TCodeCustomMemo& memo, QObject* parent = nullptr);
    ~TBoardRunner() override;

    // The session's commands, each followed by the window and the editor's run line.
    void Start();
    void Pause();
    void Stop();
    void Unload();
    void Step();
    void RunToLine(int line);
    void Reset();
    // Back in the run's history: Шаг назад, Назад (to the stop point passed or the start),
    // Назад до курсора, and a moment chosen on the timeline.
    void StepBack();
    void RunBack();
    void RunBackToLine(int line);
    void GoToTime(std::uint64_t t);
    void SetSpeed(TSpeed speed);
    void SetStopLineSource(std::function<std::vector<int>()> source) {
        FSession.SetStopLineSource(std::move(source));
    }
    void StopLinesChanged() { FSession.StopLinesChanged(); }
    void TextChanged();

    TSpeed Speed() const { return FSession.Speed(); }
    TMode Mode() const { return FSession.Mode(); }
    const TBoard& Board() const { return FSession.Board(); }
    QString Status() const { return QString::fromStdString(FSession.Status()); }
    const std::vector<TCompileFault>& Faults() const { return FSession.Faults(); }
    int Loads() const { return FSession.Loads(); }
    std::uint64_t NowUs() const { return FSession.NowUs(WallUs()); }
    const TBoardSession& Session() const { return FSession; }

signals:
    // Something the window shows has changed.
    void Changed();

private:
    std::uint64_t WallUs() const;
    void Tick();
    // Shows the session's state: the editor's run line, then the window.
    void Show();

    TBoardSession FSession;
    TRunLineMarks FRunLine;
    QTimer FTimer;
    QElapsedTimer FWall;  // the wall clock the session is paced by
    QElapsedTimer FFrame; // since the last picture of the run
};
