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
        if (target >= programSize) {
            message = "переход за конец программы";
        } else {
            // The last command that starts at or before the target holds it.
            auto after = std::upper_bound(
                listing.begin(), listing.end(), target,
                [](int offset, const TListingEntry& e) { return offset < e.Offset; });
            const TListingEntry& holder = *std::prev(after);
            if (holder.Offset == target)
                continue;
            message = "переход внутрь команды в строке " + std::to_string(holder.Line + 1);
        }
        warnings.push_back(TCompileWarning{entry.Line, {}, jump.Operand[0], 0, message});
    }
    return warnings;
}
