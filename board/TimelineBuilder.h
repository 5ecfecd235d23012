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

// An exact stretch of a run's timeline, for a view zoomed into the part the timeline keeps only
// in buckets: the board goes to the stretch's start from the snapshot before it, and the
// commands up to its end are replayed and dated one by one, in slices the caller gives.
class TTimelineDetail {
public:
    // Starts over for [fromUs, toUs) of the session's run.
    void Start(const TBoardSession& session, std::uint64_t fromUs, std::uint64_t toUs);
    // Replays up to maxSteps more commands; true when the stretch is complete.
    bool Continue(std::uint64_t maxSteps);
    // Complete, and holding the whole of [fromUs, toUs).
    bool Covers(std::uint64_t fromUs, std::uint64_t toUs) const {
        return FTimeline && FDone && fromUs >= FFromUs && toUs <= FToUs;
    }
    const TTimeline* Timeline() const { return FTimeline ? &*FTimeline : nullptr; }
    std::uint64_t FromUs() const { return FFromUs; }
    std::uint64_t ToUs() const { return FToUs; }

private:
    std::optional<TBoard> FBoard;
    std::optional<TTimeline> FTimeline;
    std::uint64_t FFromUs = 0, FToUs = 0, FFrontier = 0;
    bool FDone = false;
};
