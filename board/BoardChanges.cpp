// Comparing two states.
#include "board/BoardChanges.h"

#include "base/HexDigits.h"
#include "board/BoardFormat.h"

#include <algorithm>

namespace {

// The DDRAM address of cell.
unsigned AddressOf(int cell) {
    return cell < kBoard.LcdLineCells
               ? kBoard.LcdFirstLine + static_cast<unsigned>(cell)
               : kBoard.LcdSecondLine + static_cast<unsigned>(cell - kBoard.LcdLineCells);
}

} // namespace

std::vector<TBoardChange> Changes(const TBoardState& before, const TBoardState& after) {
    std::vector<TBoardChange> out;
    auto reg = [&](const char* name, std::uint8_t a, std::uint8_t b) {
        if (a != b)
            out.push_back({name, HexDigits(b, 2)});
    };
    const std::array<TRegister, 4> was = Registers(before);
    const std::array<TRegister, 4> is = Registers(after);
    for (std::size_t k = 0; k < is.size(); ++k)
        reg(is[k].Name, was[k].Value, is[k].Value);

    const TLcdState& a = before.Lcd;
    const TLcdState& b = after.Lcd;
    if (a.Port != b.Port)
        out.push_back({"LCD", LcdPortName(b.Port)});
    reg("AC", a.Ac, b.Ac);
    reg("SHIFT", a.Shift, b.Shift);
    if (a.Ddram != b.Ddram) {
        bool blank = std::all_of(b.Ddram.begin(), b.Ddram.end(),
                                 [](std::uint8_t c) { return c == kBoard.LcdBlank; });
        if (blank) {
            out.push_back({"DDRAM", "clear"});
        } else {
            for (int cell = 0; cell < kDdramCells; ++cell) {
                auto k = static_cast<std::size_t>(cell);
                if (a.Ddram[k] != b.Ddram[k])
                    out.push_back(
                        {"DDRAM[" + HexDigits(AddressOf(cell), 2) + "]", HexDigits(b.Ddram[k], 2)});
            }
        }
    }

    if (before.Sound.Raised != after.Sound.Raised)
        out.push_back({"VOLUME", VolumeName(after.Sound.Raised)});
    if (before.Sound.Tones != after.Sound.Tones && after.Sound.Last) {
        const TTone& tone = *after.Sound.Last;
        out.push_back({"TONE", std::to_string(tone.PeriodUs) + "us/" +
                                   std::to_string(tone.DurationUs) + "us"});
    }
    return out;
}

std::string ChangesText(const std::vector<TBoardChange>& changes) {
    std::string text;
    for (const TBoardChange& change : changes) {
        if (!text.empty())
            text += ' ';
        text += change.Name + "=" + change.Value;
    }
    return text;
}
