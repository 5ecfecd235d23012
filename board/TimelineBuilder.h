// The timeline of a session's run, built behind the run by replaying it: the run itself goes
// at full speed and records only its snapshots; the builder runs a board of its own over the
// same commands, in slices the caller gives, and dates every change. It starts over when the
// session loads another run.
#pragma once

#include "board/BoardSession.h"
#include "board/Timeline.h"

#include <cstdint>
#include <optional>

class TTimelineBuilder {
public:
    explicit TTimelineBuilder(std::size_t maxBytes = std::size_t{16} << 20) : FMaxBytes(maxBytes) {}

    // Replays up to maxSteps more commands of the session's run, as far as the run has got;
    // true when the timeline has caught up with it.
    bool Continue(const TBoardSession& session, std::uint64_t maxSteps);
    // The timeline so far; nullptr before a run has been loaded.
    const TTimeline* Timeline() const { return FTimeline ? &*FTimeline : nullptr; }

private:
    std::size_t FMaxBytes;
    int FLoads = -1;
    std::optional<TBoard> FBoard;
    std::optional<TTimeline> FTimeline;
};
