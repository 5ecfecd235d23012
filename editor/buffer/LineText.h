// The bytes of one stored line, in 16 bytes: lines of up to 15 bytes (most program lines) are
// held in place, longer ones in one heap block of exactly their size. A line is replaced as a
// whole and never edited in place, so the class needs no capacity.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

class LineText {
public:
    LineText() noexcept { FBytes[kTag] = 0; }
    explicit LineText(std::string_view s) { Init(s); }
    LineText(const LineText& other) { Init(other.View()); }
    LineText(LineText&& other) noexcept {
        std::memcpy(FBytes, other.FBytes, sizeof FBytes);
        other.FBytes[kTag] = 0;
    }
    LineText& operator=(const LineText& other) {
        if (this != &other)
            *this = LineText(other);
        return *this;
    }
    LineText& operator=(LineText&& other) noexcept {
        if (this != &other) {
            Release();
            std::memcpy(FBytes, other.FBytes, sizeof FBytes);
            other.FBytes[kTag] = 0;
        }
        return *this;
    }
    ~LineText() { Release(); }

    std::string_view View() const noexcept {
        if (IsHeap())
            return std::string_view(HeapPtr(), HeapSize());
        return std::string_view(reinterpret_cast<const char*>(FBytes), FBytes[kTag]);
    }
    std::size_t Size() const noexcept { return IsHeap() ? HeapSize() : FBytes[kTag]; }

private:
    static constexpr std::size_t kInline = 15;
    static constexpr std::size_t kTag = 15; // length in place, or kHeap
    static constexpr unsigned char kHeap = 0xFF;

    bool IsHeap() const noexcept { return FBytes[kTag] == kHeap; }
    char* HeapPtr() const noexcept {
        char* p;
        std::memcpy(&p, FBytes, sizeof p);
        return p;
    }
    std::uint32_t HeapSize() const noexcept {
        std::uint32_t n;
        std::memcpy(&n, FBytes + sizeof(char*), sizeof n);
        return n;
    }
    void Init(std::string_view s);
    void Release() noexcept;

    alignas(8) unsigned char FBytes[16];
};

static_assert(sizeof(LineText) == 16);
