// A sequence stored as a list of small blocks, so that inserting or removing an element in the
// middle of a million moves a few thousand elements instead of all that follow it.
#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <utility>
#include <vector>

template <typename T> class TChunkedVector {
public:
    std::size_t size() const { return FSize; }
    bool empty() const { return FSize == 0; }

    T& operator[](std::size_t index) {
        auto [block, offset] = Locate(index);
        return FBlocks[block][offset];
    }
    const T& operator[](std::size_t index) const {
        auto [block, offset] = Locate(index);
        return FBlocks[block][offset];
    }

    void push_back(T value) {
        if (FBlocks.empty() || FBlocks.back().size() >= kBlock) {
            FStarts.push_back(FSize);
            FBlocks.emplace_back();
            FBlocks.back().reserve(kBlock);
        }
        FBlocks.back().push_back(std::move(value));
        ++FSize;
    }

    // Inserts value before index (index == size() appends).
    void insert(std::size_t index, T value) {
        if (index >= FSize) {
            push_back(std::move(value));
            return;
        }
        auto [block, offset] = Locate(index);
        auto& items = FBlocks[block];
        items.insert(items.begin() + static_cast<std::ptrdiff_t>(offset), std::move(value));
        ++FSize;
        for (std::size_t b = block + 1; b < FStarts.size(); ++b)
            ++FStarts[b];
        if (items.size() > 2 * kBlock)
            Split(block);
    }

    void erase(std::size_t index) {
        auto [block, offset] = Locate(index);
        auto& items = FBlocks[block];
        items.erase(items.begin() + static_cast<std::ptrdiff_t>(offset));
        --FSize;
        for (std::size_t b = block + 1; b < FStarts.size(); ++b)
            --FStarts[b];
        if (items.empty()) {
            FBlocks.erase(FBlocks.begin() + static_cast<std::ptrdiff_t>(block));
            FStarts.erase(FStarts.begin() + static_cast<std::ptrdiff_t>(block));
            FHint = 0;
        }
    }

    // Removes the elements first ... first + count - 1: whole blocks go at once.
    void erase(std::size_t first, std::size_t count) {
        if (count == 0)
            return;
        auto [block, offset] = Locate(first);
        while (count > 0 && block < FBlocks.size()) {
            auto& items = FBlocks[block];
            std::size_t take = std::min(count, items.size() - offset);
            auto from = items.begin() + static_cast<std::ptrdiff_t>(offset);
            items.erase(from, from + static_cast<std::ptrdiff_t>(take));
            count -= take;
            FSize -= take;
            if (items.empty())
                FBlocks.erase(FBlocks.begin() + static_cast<std::ptrdiff_t>(block));
            else
                ++block;
            offset = 0;
        }
        RecountStarts();
    }

    // Inserts values before index, in their order, as blocks of their own.
    void insert(std::size_t index, std::vector<T>&& values) {
        // A few values go in one by one, so that small edits leave no small blocks behind.
        if (values.size() <= kFewValues) {
            for (std::size_t i = 0; i < values.size(); ++i)
                insert(index + i, std::move(values[i]));
            return;
        }
        std::vector<std::vector<T>> blocks;
        std::size_t at = FBlocks.size();
        if (index < FSize) {
            auto [block, offset] = Locate(index);
            auto& items = FBlocks[block];
            std::vector<T> tail;
            tail.reserve(kBlock);
            std::move(items.begin() + static_cast<std::ptrdiff_t>(offset), items.end(),
                      std::back_inserter(tail));
            items.erase(items.begin() + static_cast<std::ptrdiff_t>(offset), items.end());
            at = items.empty() ? block : block + 1;
            if (items.empty())
                FBlocks.erase(FBlocks.begin() + static_cast<std::ptrdiff_t>(block));
            ChunkInto(blocks, values);
            blocks.push_back(std::move(tail));
        } else {
            ChunkInto(blocks, values);
        }
        FSize += values.size();
        FBlocks.insert(FBlocks.begin() + static_cast<std::ptrdiff_t>(at),
                       std::make_move_iterator(blocks.begin()),
                       std::make_move_iterator(blocks.end()));
        RecountStarts();
    }

    void clear() {
        FBlocks.clear();
        FBlocks.shrink_to_fit();
        FStarts.clear();
        FStarts.shrink_to_fit();
        FSize = 0;
        FHint = 0;
    }

    // Calls f(element) for every element in order.
    template <typename F> void ForEach(F&& f) {
        for (auto& items : FBlocks)
            for (auto& item : items)
                f(item);
    }
    template <typename F> void ForEach(F&& f) const {
        for (const auto& items : FBlocks)
            for (const auto& item : items)
                f(item);
    }

    // Calls f(element) for the elements first ... last - 1 in order.
    template <typename F> void ForRange(std::size_t first, std::size_t last, F&& f) const {
        if (first >= last)
            return;
        auto [block, offset] = Locate(first);
        for (std::size_t i = first; i < last; ++block, offset = 0)
            for (; offset < FBlocks[block].size() && i < last; ++offset, ++i)
                f(FBlocks[block][offset]);
    }

private:
    static constexpr std::size_t kBlock = 512;
    static constexpr std::size_t kFewValues = 32;

    std::pair<std::size_t, std::size_t> Locate(std::size_t index) const {
        if (FHint < FBlocks.size() && index >= FStarts[FHint] &&
            index < FStarts[FHint] + FBlocks[FHint].size())
            return {FHint, index - FStarts[FHint]};
        auto it = std::upper_bound(FStarts.begin(), FStarts.end(), index);
        std::size_t block = static_cast<std::size_t>(it - FStarts.begin()) - 1;
        FHint = block;
        return {block, index - FStarts[block]};
    }

    static void ChunkInto(std::vector<std::vector<T>>& blocks, std::vector<T>& values) {
        for (std::size_t i = 0; i < values.size(); i += kBlock) {
            std::size_t end = std::min(values.size(), i + kBlock);
            std::vector<T> chunk;
            chunk.reserve(kBlock);
            std::move(values.begin() + static_cast<std::ptrdiff_t>(i),
                      values.begin() + static_cast<std::ptrdiff_t>(end), std::back_inserter(chunk));
            blocks.push_back(std::move(chunk));
        }
    }

    void RecountStarts() {
        FStarts.resize(FBlocks.size());
        std::size_t start = 0;
        for (std::size_t b = 0; b < FBlocks.size(); ++b) {
            FStarts[b] = start;
            start += FBlocks[b].size();
        }
        FHint = 0;
    }

    void Split(std::size_t block) {
        auto& items = FBlocks[block];
        std::size_t half = items.size() / 2;
        std::vector<T> upper;
        upper.reserve(kBlock * 2);
        std::move(items.begin() + static_cast<std::ptrdiff_t>(half), items.end(),
                  std::back_inserter(upper));
        items.erase(items.begin() + static_cast<std::ptrdiff_t>(half), items.end());
        std::size_t start = FStarts[block] + half;
        FBlocks.insert(FBlocks.begin() + static_cast<std::ptrdiff_t>(block) + 1, std::move(upper));
        FStarts.insert(FStarts.begin() + static_cast<std::ptrdiff_t>(block) + 1, start);
    }

    std::vector<std::vector<T>> FBlocks;
    std::vector<std::size_t> FStarts; // index of each block's first element
    std::size_t FSize = 0;
    mutable std::size_t FHint = 0; // the block of the last look-up
};
