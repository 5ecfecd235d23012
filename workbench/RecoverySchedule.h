// When the recovery file is written: once the edits pause for kQuietMs, and during edits that
// do not pause at least kLongestWaitMs after the first change the file does not hold yet, so
// that the file is at most about two seconds behind the text. Times are milliseconds of a
// steady clock, given by the caller.
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>

class TRecoverySchedule {
public:
    // The quiet time leaves the rest of the two seconds for the snapshot and the write.
    static constexpr std::int64_t kQuietMs = 1000;
    static constexpr std::int64_t kLongestWaitMs = 2000;

    // The text changed at now.
    void Changed(std::int64_t now) {
        FLast = now;
        if (!FFirst)
            FFirst = now;
    }
    // When a snapshot of the text is due; nothing while the file holds every change.
    std::optional<std::int64_t> DueAt() const {
        if (!FFirst)
            return std::nullopt;
        return std::min(FLast + kQuietMs, *FFirst + kLongestWaitMs);
    }
    bool IsDue(std::int64_t now) const { return FFirst && now >= *DueAt(); }
    // A snapshot holds every change so far, or the changes need no file any more (saved).
    void Clear() { FFirst.reset(); }

private:
    std::optional<std::int64_t> FFirst;
    std::int64_t FLast = 0;
};
