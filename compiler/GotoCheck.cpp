// The check of goto targets over the compile's listing.
#include "compiler/GotoCheck.h"

#include <algorithm>

std::vector<TCompileWarning> CheckGotoTargets(std::span<const TListingEntry> listing,
                                              std::int32_t programSize) {
    const TCommand& jump = *RecognizeCommand("goto");
    std::vector<TCompileWarning> warnings;
    for (const auto& entry : listing) {
        if (entry.Bytes[0] != jump.Opcode || entry.ByteCount != jump.Size)
            continue;
        int target = entry.Bytes[1] * 256 + entry.Bytes[2];
        std::string message;
        if (const TListingEntry* holder = CommandAt(listing, programSize, target)) {
            if (holder->Offset == target)
                continue;
            message = "переход внутрь команды в строке " + std::to_string(holder->Line + 1);
        } else {
            message = "переход за конец программы";
        }
        warnings.push_back(TCompileWarning{entry.Line, {}, jump.Operand[0], 0, message});
    }
    return warnings;
}

const TListingEntry* CommandAt(std::span<const TListingEntry> listing, std::int32_t programSize,
                               int offset) {
    if (offset < 0 || offset >= programSize || listing.empty() || offset < listing[0].Offset)
        return nullptr;
    // The last command that starts at or before the offset holds it.
    auto after = std::upper_bound(listing.begin(), listing.end(), offset,
                                  [](int at, const TListingEntry& e) { return at < e.Offset; });
    return &*std::prev(after);
}

std::optional<int> ParseAddress(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (text.empty() || text.size() > 4)
        return std::nullopt;
    int value = 0;
    for (char c : text) {
        int digit = c >= '0' && c <= '9'   ? c - '0'
                    : c >= 'a' && c <= 'f' ? c - 'a' + 10
                    : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                           : -1;
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + digit;
    }
    return value;
}
