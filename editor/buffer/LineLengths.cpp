// The line lengths list.
#include "editor/buffer/LineLengths.h"

#include <algorithm>

void TIntList::Added(std::int32_t value) {
    if (value >= 0 && value < kSmall) {
        if (FSmallCounts.empty())
            FSmallCounts.resize(kSmall);
        ++FSmallCounts[static_cast<std::size_t>(value)];
        FSmallMax = std::max(FSmallMax, value);
    } else {
        ++FOtherCounts[value];
    }
}

void TIntList::Removed(std::int32_t value) {
    if (value >= 0 && value < kSmall) {
        if (--FSmallCounts[static_cast<std::size_t>(value)] == 0 && value == FSmallMax)
            while (FSmallMax >= 0 && FSmallCounts[static_cast<std::size_t>(FSmallMax)] == 0)
                --FSmallMax;
    } else if (auto it = FOtherCounts.find(value); --it->second == 0) {
        FOtherCounts.erase(it);
    }
}

void TIntList::Set(int index, std::int32_t value) {
    auto& item = FItems[static_cast<std::size_t>(index)];
    std::int32_t old = item;
    item = value;
    Added(value);
    Removed(old);
}

void TIntList::Add(std::int32_t value) {
    FItems.push_back(value);
    Added(value);
}

void TIntList::Insert(int index, std::int32_t value) {
    FItems.insert(static_cast<std::size_t>(index), value);
    Added(value);
}

void TIntList::Delete(int index) {
    std::int32_t old = FItems[static_cast<std::size_t>(index)];
    FItems.erase(static_cast<std::size_t>(index));
    Removed(old);
}

void TIntList::DeleteRange(int first, int count) {
    FItems.ForRange(static_cast<std::size_t>(first), static_cast<std::size_t>(first + count),
                    [this](std::int32_t v) { Removed(v); });
    FItems.erase(static_cast<std::size_t>(first), static_cast<std::size_t>(count));
}

void TIntList::InsertRange(int index, std::vector<std::int32_t>&& values) {
    for (std::int32_t v : values)
        Added(v);
    FItems.insert(static_cast<std::size_t>(index), std::move(values));
}

void TIntList::Clear() {
    FItems.clear();
    FSmallCounts.clear();
    FSmallCounts.shrink_to_fit();
    FOtherCounts.clear();
    FSmallMax = -1;
}

std::int32_t TIntList::Max() const {
    if (FItems.empty())
        return 0;
    if (!FOtherCounts.empty() && (FOtherCounts.rbegin()->first >= kSmall || FSmallMax < 0))
        return FOtherCounts.rbegin()->first;
    return FSmallMax;
}
