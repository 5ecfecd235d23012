// The editor's line lengths: a list of integers that knows its largest entry, so that the
// longest line is known after every change without a scan of all lines.
#pragma once

#include "editor/buffer/ChunkedVector.h"

#include <cstdint>
#include <map>
#include <vector>

// An ordered list of signed 32-bit integers that also knows its largest entry, kept without a
// scan of all entries on every change.
class TIntList {
public:
    std::int32_t Get(int index) const { return FItems[static_cast<std::size_t>(index)]; }
    void Set(int index, std::int32_t value);
    void Add(std::int32_t value);
    void Insert(int index, std::int32_t value);
    void Delete(int index);
    void DeleteRange(int first, int count);
    void InsertRange(int index, std::vector<std::int32_t>&& values);
    void Clear();
    int Count() const { return static_cast<int>(FItems.size()); }
    // The largest entry, 0 for an empty list.
    std::int32_t Max() const;

private:
    // How many entries hold each value: small values (as line lengths mostly are) in a table,
    // others in a map, so that the largest is known after every change without a scan.
    void Added(std::int32_t value);
    void Removed(std::int32_t value);

    static constexpr std::int32_t kSmall = 4096;
    TChunkedVector<std::int32_t> FItems;
    std::vector<std::int32_t> FSmallCounts;
    std::map<std::int32_t, std::int32_t> FOtherCounts;
    std::int32_t FSmallMax = -1; // the largest small value held, -1 for none
};
