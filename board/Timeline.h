// A run over virtual time, as a logic analyser shows it: the changes of the ports' registers,
// the tone's frequency, the volume and the display's commands, each dated, and the warnings.
// Memory has a bound: past it, the older changes are folded into buckets of time that keep the
// value at their start, the bits that toggled in them and how many changes they held, so that
// a picture of the whole run stays right to the pixel however long the run.
#pragma once

#include "board/Board.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

enum class TTimelineSignal : std::uint8_t { PortD, DdrD, PortB, DdrB, ToneHz, Volume, Display };
inline constexpr int kTimelineSignals = 7;

// A display command's value in the Display signal: its kind in the high byte, the character or
// the address counter's new value in the low one.
enum TDisplayMark : std::uint32_t {
    dmChar = 'c' << 8,
    dmClear = 'x' << 8,
    dmLeft = 'l' << 8,
    dmRight = 'r' << 8,
    dmLine = 'n' << 8,
    dmInit = 'i' << 8,
};

struct TTimelineChange {
    std::uint64_t TimeUs = 0;
    std::uint32_t Value = 0;
    int Line = 0; // the command's, 1-based; 0 without lines

    bool operator==(const TTimelineChange&) const = default;
};

// What a stretch of time held for one signal: the value at its start and at its end, the bits
// that changed in it and the number of changes.
struct TTimelineSpan {
    std::uint32_t First = 0;
    std::uint32_t Last = 0;
    std::uint32_t Toggled = 0;
    std::uint32_t Count = 0;
};

// The step between two ticks of a time axis over spanUs drawn in pixels: 1, 2 or 5 times a
// power of ten microseconds, about every pixelsPerTick pixels.
std::uint64_t TimelineTickUs(std::uint64_t spanUs, int pixels, int pixelsPerTick);
// Microseconds as milliseconds with a decimal comma, as a Russian text writes them: "0,5",
// "1500", "12,345".
std::string TimelineMsText(std::uint64_t us);

// What a column of the Display signal shows: the character written, "×" for a clear or an
// initialisation, "←" "→" for a shift, "↵" for a line move (UTF-8); "…" for several characters.
std::string DisplayColumnText(const TTimelineSpan& span);

class TTimeline {
public:
    static constexpr std::size_t kDefaultBytes = std::size_t{32} << 20;
    static constexpr std::size_t kMaxBuckets = 8192;

    explicit TTimeline(const TBoardState& initial, std::size_t maxBytes = kDefaultBytes);

    // One command ran, from before to after; op is the command, line its line (1-based, 0
    // without lines). Registers change at the end of the fetch; a tone sounds from its start
    // for its duration.
    void Command(const TBoardState& before, const TBoardState& after, const TOp& op, int line);
    void Warning(const TBoardEvent& warning, std::uint64_t timeUs);
    // The run has got to endUs.
    void Finish(std::uint64_t endUs) { FEndUs = std::max(FEndUs, endUs); }

    std::uint64_t EndUs() const { return FEndUs; }
    std::uint32_t Initial(TTimelineSignal s) const { return FInitial[Index(s)]; }
    // The changes of a signal kept one by one: from FoldedUntil on.
    const std::vector<TTimelineChange>& Changes(TTimelineSignal s) const {
        return FExact[Index(s)];
    }
    std::uint64_t FoldedUntil() const { return FFoldedUntil; }
    std::uint64_t BucketUs() const { return FBucketUs; }
    struct TWarningMark {
        std::uint64_t TimeUs = 0;
        TBoardEvent Event;
    };
    const std::vector<TWarningMark>& Warnings() const { return FWarnings; }

    // The value of a signal after every change before t: exact from FoldedUntil on, the value
    // at the start of t's bucket before.
    std::uint32_t ValueBefore(TTimelineSignal s, std::uint64_t t) const;
    // The signal over columns equal stretches of [fromUs, toUs).
    std::vector<TTimelineSpan> Columns(TTimelineSignal s, std::uint64_t fromUs, std::uint64_t toUs,
                                       int columns) const;
    std::size_t Bytes() const;

private:
    static std::size_t Index(TTimelineSignal s) { return static_cast<std::size_t>(s); }
    void Set(TTimelineSignal s, std::uint64_t t, std::uint32_t value, int line, bool always);
    void FoldOlderHalf();
    void FoldUntil(std::uint64_t until);
    void MergeBucketPairs();

    struct TBucket {
        std::uint32_t First = 0;
        std::uint32_t Toggled = 0;
        std::uint32_t Count = 0;
    };
    std::size_t FMaxBytes;
    std::array<std::uint32_t, kTimelineSignals> FInitial{};
    std::array<std::uint32_t, kTimelineSignals> FCurrent{};
    std::array<std::uint32_t, kTimelineSignals> FAtFold{}; // the values at FFoldedUntil
    std::array<std::vector<TTimelineChange>, kTimelineSignals> FExact;
    std::array<std::vector<TBucket>, kTimelineSignals> FBuckets;
    std::uint64_t FBucketUs = 1;
    std::uint64_t FFoldedUntil = 0;
    std::uint64_t FEndUs = 0;
    std::size_t FExactCount = 0;
    std::vector<TWarningMark> FWarnings;
};
