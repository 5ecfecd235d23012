// Storage of one line's bytes.
#include "editor/buffer/LineText.h"

#include <limits>
#include <stdexcept>

void LineText::Init(std::string_view s) {
    if (s.size() <= kInline) {
        std::memcpy(FBytes, s.data(), s.size());
        FBytes[kTag] = static_cast<unsigned char>(s.size());
        return;
    }
    if (s.size() > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("Line too long");
    // The one heap block of a long line; Release frees it.
    char* p = new char[s.size()];
    std::memcpy(p, s.data(), s.size());
    auto n = static_cast<std::uint32_t>(s.size());
    std::memcpy(FBytes, &p, sizeof p);
    std::memcpy(FBytes + sizeof p, &n, sizeof n);
    FBytes[kTag] = kHeap;
}

void LineText::Release() noexcept {
    if (IsHeap()) {
        delete[] HeapPtr();
        FBytes[kTag] = 0;
    }
}
