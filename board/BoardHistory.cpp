// The run's snapshots: taken every Interval commands, thinned in the older half at the bound,
// and the replays from them.
#include "board/BoardHistory.h"

#include <algorithm>

TBoardHistory::TBoardHistory(std::size_t maxBytes, std::uint64_t interval)
    : FMaxBytes(maxBytes), FInterval(std::max<std::uint64_t>(interval, 1)) {}

void TBoardHistory::Clear() {
    FSnapshots.clear();
    FWarnings.clear();
    FError.reset();
    FFrontier = 0;
}

void TBoardHistory::Begin(const TBoard& board) {
    Clear();
    FSnapshots.push_back({board.State(), board.Warnings().size()});
    FFrontier = board.Steps();
    FWarnings = board.Warnings();
    FError = board.Error();
}

std::uint64_t TBoardHistory::Room(const TBoard& board) const {
    if (FSnapshots.empty())
        return UINT64_MAX;
    const std::uint64_t due = FSnapshots.back().State.Steps + FInterval;
    return due > board.Steps() ? due - board.Steps() : FInterval;
}

void TBoardHistory::Note(const TBoard& board) {
    if (FSnapshots.empty())
        return;
    const std::uint64_t steps = board.Steps();
    if (steps > FFrontier || (steps == FFrontier && !FError && board.Error())) {
        FFrontier = steps;
        // Past the frontier the run does what it did nowhere before: its new warnings follow.
        const std::vector<TBoardEvent>& warnings = board.Warnings();
        for (std::size_t i = FWarnings.size(); i < warnings.size(); ++i)
            FWarnings.push_back(warnings[i]);
        if (board.Error())
            FError = board.Error();
    }
    if (steps == FSnapshots.back().State.Steps + FInterval &&
        board.Status() == TBoardStatus::Running) {
        FSnapshots.push_back({board.State(), board.Warnings().size()});
        if (Bytes() > FMaxBytes)
            Thin();
    }
}

void TBoardHistory::Thin() {
    // Every other snapshot of the older half goes; the first, the run's start, stays.
    const std::size_t half = FSnapshots.size() / 2;
    std::deque<TSnapshot> kept;
    for (std::size_t i = 0; i < FSnapshots.size(); ++i)
        if (i >= half || i % 2 == 0)
            kept.push_back(FSnapshots[i]);
    FSnapshots = std::move(kept);
}

std::size_t TBoardHistory::Bytes() const {
    std::size_t bytes = FSnapshots.size() * sizeof(TSnapshot);
    for (const TBoardEvent& warning : FWarnings)
        bytes += sizeof warning + warning.Message.capacity();
    return bytes;
}

std::size_t TBoardHistory::SnapshotBefore(std::uint64_t step) const {
    auto after = std::upper_bound(
        FSnapshots.begin(), FSnapshots.end(), step,
        [](std::uint64_t s, const TSnapshot& snapshot) { return s < snapshot.State.Steps; });
    return after == FSnapshots.begin() ? 0
                                       : static_cast<std::size_t>(after - FSnapshots.begin()) - 1;
}

std::uint64_t TBoardHistory::SpacingAt(std::uint64_t step) const {
    if (FSnapshots.empty())
        return 0;
    const std::size_t i = SnapshotBefore(step);
    return i + 1 < FSnapshots.size() ? FSnapshots[i + 1].State.Steps - FSnapshots[i].State.Steps
                                     : FFrontier - FSnapshots[i].State.Steps;
}

std::uint64_t TBoardHistory::Seek(TBoard& board, std::uint64_t step, bool beforeError) const {
    if (FSnapshots.empty())
        return board.Steps();
    step = std::min(step, FFrontier);
    const TSnapshot& from = FSnapshots[SnapshotBefore(step)];
    // Already on the way there: run on from where the board stands.
    if (board.Steps() > step || board.Steps() < from.State.Steps ||
        board.Status() != TBoardStatus::Running)
        board.Restore(from.State, std::span(FWarnings).first(from.Warnings));
    board.Replay(step - board.Steps());
    if (step == FFrontier && FError && !beforeError)
        board.Replay(1);
    return board.Steps();
}

std::uint64_t TBoardHistory::SeekTime(TBoard& board, std::uint64_t t) const {
    if (FSnapshots.empty())
        return board.Steps();
    auto after = std::upper_bound(
        FSnapshots.begin(), FSnapshots.end(), t,
        [](std::uint64_t time, const TSnapshot& snapshot) { return time < snapshot.State.TimeUs; });
    const TSnapshot& from = after == FSnapshots.begin() ? FSnapshots.front() : *std::prev(after);
    board.Restore(from.State, std::span(FWarnings).first(from.Warnings));
    // Every command that starts by t runs; the state after the last of them lies past t when
    // that command was still under way at t: the moment is the step before it.
    board.Replay(FFrontier - board.Steps() + (FError ? 1 : 0), t + 1);
    if (board.TimeUs() > t && board.Steps() > from.State.Steps)
        return Seek(board, board.Steps() - 1, true);
    return board.Steps();
}

std::optional<std::uint64_t> TBoardHistory::LastStepAt(TBoard& board,
                                                       const std::vector<int>& offsets,
                                                       std::uint64_t before) const {
    if (FSnapshots.empty() || before == 0)
        return std::nullopt;
    board.SetStopPoints(offsets);
    before = std::min(before, FFrontier + 1);
    // From the interval holding before - 1 back to the run's start, each replayed forward: the
    // last point met in the first interval that has one.
    for (std::size_t i = SnapshotBefore(before - 1) + 1; i-- > 0;) {
        const std::uint64_t end =
            i + 1 < FSnapshots.size() ? std::min(before, FSnapshots[i + 1].State.Steps) : before;
        board.Restore(FSnapshots[i].State, std::span(FWarnings).first(FSnapshots[i].Warnings));
        std::optional<std::uint64_t> found;
        bool pass = false;
        while (board.Steps() < end) {
            TRunLimits limits;
            limits.MaxSteps = end - board.Steps();
            limits.PassPointAtStart = pass;
            if (board.Run(limits) != TStopReason::StopPoint)
                break;
            found = board.Steps();
            pass = true;
        }
        if (found)
            return found;
    }
    return std::nullopt;
}
