// Replaying a run into its timeline.
#include "board/TimelineBuilder.h"

namespace {

// Replays the board's next command into timeline; false when it failed (nothing to date).
bool ReplayOne(TBoard& board, TTimeline& timeline) {
    const TBoardState before = board.State();
    const std::size_t warnings = board.Warnings().size();
    board.Replay(1);
    if (board.Status() == TBoardStatus::Error)
        return false;
    if (board.Warnings().size() > warnings)
        timeline.Warning(board.Warnings().back(), before.TimeUs);
    timeline.Command(before, board.State(), board.Program().Op(before.Pc),
                     board.Program().LineOf(before.Pc));
    return true;
}

} // namespace

bool TTimelineBuilder::Continue(const TBoardSession& session, std::uint64_t maxSteps) {
    const TBoardHistory& history = session.History();
    if (session.Loads() != FLoads || history.Empty()) {
        FLoads = session.Loads();
        FBoard.reset();
        FTimeline.reset();
        if (history.Empty())
            return true;
        FBoard.emplace(session.Board().Program());
        FTimeline.emplace(FBoard->State(), FMaxBytes);
    }
    TBoard& board = *FBoard;
    const auto behind = [&] {
        return board.Status() == TBoardStatus::Running &&
               (board.Steps() < history.Frontier() ||
                (history.Error() && board.Steps() == history.Frontier()));
    };
    for (std::uint64_t n = 0; n < maxSteps && behind(); ++n) {
        if (!ReplayOne(board, *FTimeline))
            break;
    }
    FTimeline->Finish(board.TimeUs());
    return !behind();
}

void TTimelineDetail::Start(const TBoardSession& session, std::uint64_t fromUs,
                            std::uint64_t toUs) {
    FFromUs = fromUs;
    FToUs = toUs;
    FDone = false;
    FFrontier = session.History().Frontier();
    FBoard.emplace(session.Board().Program());
    session.History().SeekTime(*FBoard, fromUs);
    FTimeline.emplace(FBoard->State());
}

bool TTimelineDetail::Continue(std::uint64_t maxSteps) {
    if (!FBoard || FDone)
        return true;
    TBoard& board = *FBoard;
    for (std::uint64_t n = 0; n < maxSteps; ++n) {
        if (board.Status() != TBoardStatus::Running || board.TimeUs() >= FToUs ||
            board.Steps() >= FFrontier) {
            FDone = true;
            break;
        }
        ReplayOne(board, *FTimeline);
    }
    FTimeline->Finish(board.TimeUs());
    return FDone;
}
