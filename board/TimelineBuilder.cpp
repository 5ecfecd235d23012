// Replaying a run into its timeline.
#include "board/TimelineBuilder.h"

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
        const TBoardState before = board.State();
        const std::size_t warnings = board.Warnings().size();
        board.Replay(1);
        if (board.Status() == TBoardStatus::Error)
            break;
        if (board.Warnings().size() > warnings)
            FTimeline->Warning(board.Warnings().back(), before.TimeUs);
        FTimeline->Command(before, board.State(), board.Program().Op(before.Pc),
                           board.Program().LineOf(before.Pc));
    }
    FTimeline->Finish(board.TimeUs());
    return !behind();
}
