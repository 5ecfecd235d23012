// Where a run has been. The model is deterministic, so a snapshot of the board every Interval
// commands is enough to give back the exact state of any earlier step: the last snapshot at or
// before it, run forward. Memory has a bound: when the snapshots reach it, the older half keeps
// every other one, so that every step stays reachable exactly, only further from a snapshot.
#pragma once

#include "board/Board.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

class TBoardHistory {
public:
    static constexpr std::size_t kDefaultBytes = std::size_t{64} << 20;
    static constexpr std::uint64_t kDefaultInterval = 4096;

    explicit TBoardHistory(std::size_t maxBytes = kDefaultBytes,
                           std::uint64_t interval = kDefaultInterval);

    // A run starts from board's state (its first step). Whatever was recorded goes.
    void Begin(const TBoard& board);
    // Nothing recorded: no run, or the text has changed.
    void Clear();
    bool Empty() const { return FSnapshots.empty(); }

    // How many commands the board may run on from where it stands before Note must see it.
    std::uint64_t Room(const TBoard& board) const;
    // The board has run on (at most Room commands): a snapshot where one falls due, and the
    // warnings and error of steps not reached before.
    void Note(const TBoard& board);

    // The furthest step the run has reached, and what it raised up to there, each event with
    // its step: going back does not take them away, it only moves before some of them.
    std::uint64_t Frontier() const { return FFrontier; }
    const std::vector<TBoardEvent>& Warnings() const { return FWarnings; }
    const std::optional<TBoardEvent>& Error() const { return FError; }

    // Puts board at step (at most the frontier): the last snapshot at or before it, run
    // forward past every stop point. A run that ended in an error did so at the frontier
    // without a step of its own: the error state is there unless beforeError says to stop
    // just before the failing command. Returns the step reached.
    std::uint64_t Seek(TBoard& board, std::uint64_t step, bool beforeError = false) const;
    // Puts board at the last step whose time is at most t: the moment t of the run, the command
    // then under way about to run. Returns the step.
    std::uint64_t SeekTime(TBoard& board, std::uint64_t t) const;
    // The last step before `before` at which the next command to run was at one of offsets,
    // or nothing. Replays on board and leaves its stop points set to offsets: the caller puts
    // back its own and Seeks.
    std::optional<std::uint64_t> LastStepAt(TBoard& board, const std::vector<int>& offsets,
                                            std::uint64_t before) const;

    // The memory the snapshots and the events hold, and the steps between the two snapshots
    // around step (how far Seek may have to run).
    std::size_t Bytes() const;
    std::uint64_t SpacingAt(std::uint64_t step) const;
    std::size_t SnapshotCount() const { return FSnapshots.size(); }

private:
    struct TSnapshot {
        TBoardState State;
        std::size_t Warnings = 0;
    };
    // The index of the last snapshot at or before step.
    std::size_t SnapshotBefore(std::uint64_t step) const;
    void Thin();

    std::size_t FMaxBytes;
    std::uint64_t FInterval;
    std::deque<TSnapshot> FSnapshots; // in step order, the first at the run's start
    std::uint64_t FFrontier = 0;
    std::vector<TBoardEvent> FWarnings;
    std::optional<TBoardEvent> FError;
};
