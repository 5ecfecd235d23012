// Random edit scripts and the soundness check of the editor's state.
#include "EditScript.h"

namespace {

const char* const kKeys[] = {
    "<Enter>",   "<Tab>",    "<S-Tab>",  "<Del>",     "<BS>",       "<C-BS>",
    "<C-y>",     "<Left>",   "<Right>",  "<Up>",      "<Down>",     "<S-Left>",
    "<S-Right>", "<S-Up>",   "<S-Down>", "<C-Left>",  "<C-Right>",  "<Home>",
    "<End>",     "<S-Home>", "<S-End>",  "<C-S-End>", "<C-S-Home>", "<PgDn>",
    "<PgUp>",    "<Ins>",    "<C-x>",    "<C-c>",     "<S-Del>",    "<C-a>",
};
constexpr unsigned kKeyCount = sizeof(kKeys) / sizeof(kKeys[0]);

const char* const kClips[] = {"x",        "ab\r\ncd",        "\n", "one\ntwo\rthree\r\n", " \t z ",
                              "\r\n\r\n", "  lead\n  more  "};

} // namespace

std::string RunStep(TCodeCustomMemo& memo, FakeHost& host, unsigned choice, unsigned param,
                    bool allowUndo) {
    unsigned kind = choice % 16;
    std::string keys;
    if (kind < 6) {
        static const char typed[] = "ab x_  begin(end)";
        keys.assign(1, typed[param % (sizeof(typed) - 1)]);
    } else if (kind < 14) {
        keys = kKeys[param % kKeyCount];
    } else if (kind == 14) {
        const char* clip = kClips[param % (sizeof(kClips) / sizeof(kClips[0]))];
        host.OfferClipboard(clip);
        keys = param % 2 ? "<C-v>" : "<S-Ins>";
    } else if (allowUndo) {
        keys = param % 3 ? "<A-BS>" : "<A-S-BS>";
    }
    SendKeys(memo, keys);
    return keys;
}

std::string CheckState(const TCodeCustomMemo& memo) {
    const TCodeMemoStrings& lines = memo.Lines();
    int count = lines.Count();
    auto at = [](int x, int y) { return "(" + std::to_string(x) + "," + std::to_string(y) + ")"; };
    if (count == 0)
        return memo.CurY() == 0 ? "" : "caret line on an empty text";
    if (memo.CurY() < 0 || memo.CurY() >= count || memo.CurX() < 0)
        return "caret " + at(memo.CurX(), memo.CurY()) + " outside " + std::to_string(count);
    for (auto [x, y] :
         {std::pair{memo.SelStartX(), memo.SelStartY()}, std::pair{memo.SelEndX(), memo.SelEndY()}})
        if (y < 0 || y >= count || x < 0)
            return "selection end " + at(x, y) + " outside";
    if (lines.LineLengths().Count() != count)
        return "length cache has " + std::to_string(lines.LineLengths().Count()) + " entries";
    int longest = 0;
    for (int i = 0; i < count; ++i) {
        std::string_view line = lines.Line(i);
        if (lines.LineLengths().Get(i) != static_cast<int>(line.size()))
            return "length cache wrong at line " + std::to_string(i);
        if (line.find_first_of("\t\r\n") != std::string_view::npos)
            return "line " + std::to_string(i) + " holds a TAB or a line break";
        longest = std::max(longest, static_cast<int>(line.size()));
    }
    if (lines.LineLengths().Max() != longest)
        return "longest line cached wrong";
    return "";
}

std::vector<std::string> Canonical(const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    out.reserve(lines.size());
    for (const auto& line : lines) {
        std::size_t end = line.size();
        while (end > 0 && static_cast<unsigned char>(line[end - 1]) <= 32)
            --end;
        out.push_back(line.substr(0, end));
    }
    return out;
}
