// Parsing and printing editor fixtures, and sending keys as the host does.
#include "EditorFixture.h"

#include <cctype>
#include <stdexcept>

namespace {

constexpr std::string_view kAnchor = "\xE2\x80\xB9"; // ‹
constexpr std::string_view kVirtual = "\xC2\xB7";    // ·

struct TKeyName {
    std::string_view Name;
    int Key;
    char Char;
};

constexpr TKeyName kKeys[] = {
    {"Left", vkLeft, 0},     {"Right", vkRight, 0}, {"Up", vkUp, 0},         {"Down", vkDown, 0},
    {"Home", vkHome, 0},     {"End", vkEnd, 0},     {"PgUp", vkPrior, 0},    {"PgDn", vkNext, 0},
    {"Ins", vkInsert, 0},    {"Del", vkDelete, 0},  {"BS", vkBack, 8},       {"Tab", vkTab, 9},
    {"Enter", vkReturn, 13}, {"Esc", vkEscape, 27}, {"Space", vkSpace, ' '}, {"F2", vkF2, 0},
};

void Press(TCodeCustomMemo& memo, int key, TShiftState shift, char ch) {
    memo.KeyDown(key, shift);
    if (ch != 0)
        memo.KeyPress(ch);
    memo.KeyUp(key, shift);
}

} // namespace

void SetText(TestMemo& memo, std::string_view fixture) {
    std::vector<std::string> lines(1);
    int curX = -1, curY = -1, anchorX = -1, anchorY = -1, endX = -1, endY = -1;
    int virtualCols = 0;
    for (std::size_t i = 0; i < fixture.size();) {
        int col = static_cast<int>(lines.back().size()) + virtualCols;
        int row = static_cast<int>(lines.size()) - 1;
        if (fixture.substr(i, kAnchor.size()) == kAnchor) {
            anchorX = col, anchorY = row, i += kAnchor.size();
        } else if (fixture.substr(i, kVirtual.size()) == kVirtual) {
            ++virtualCols, i += kVirtual.size();
        } else if (fixture[i] == '|') {
            curX = col, curY = row, ++i;
        } else if (fixture[i] == '>') {
            endX = col, endY = row, ++i;
        } else if (fixture[i] == '\n') {
            lines.emplace_back(), virtualCols = 0, ++i;
        } else {
            if (virtualCols)
                throw std::invalid_argument("text after virtual columns");
            lines.back() += fixture[i++];
        }
    }
    memo.Lines().Assign(lines);
    memo.ClearUndo();
    if (curX < 0 && endX >= 0)
        curX = endX, curY = endY;
    if (curX < 0)
        curX = curY = 0;
    if (anchorX < 0)
        anchorX = curX, anchorY = curY;
    if (endX < 0)
        endX = curX, endY = curY;
    memo.SetCaretSelection({.Caret = {curX, curY},
                            .Anchor = {anchorX, anchorY},
                            .End = {endX, endY},
                            .Mark = {endX, endY}});
}

std::string GetText(const TCodeCustomMemo& memo) {
    std::string out;
    bool selection = !memo.SelectionEmpty();
    for (int y = 0; y < memo.Lines().Count(); ++y) {
        if (y > 0)
            out += '\n';
        std::string_view line = memo.Lines().Line(y);
        int width = static_cast<int>(line.size());
        if (memo.CurY() == y)
            width = std::max(width, memo.CurX());
        if (selection && memo.SelStartY() == y)
            width = std::max(width, memo.SelStartX());
        if (selection && memo.SelEndY() == y)
            width = std::max(width, memo.SelEndX());
        for (int x = 0; x <= width; ++x) {
            if (selection && memo.SelStartX() == x && memo.SelStartY() == y)
                out += kAnchor;
            if (selection && memo.SelEndX() == x && memo.SelEndY() == y)
                out += '>';
            bool caret = memo.CurX() == x && memo.CurY() == y;
            if (caret && (!selection || memo.SelEndX() != x || memo.SelEndY() != y))
                out += '|';
            if (x < static_cast<int>(line.size()))
                out += line[static_cast<std::size_t>(x)];
            else if (x < width)
                out += kVirtual;
        }
    }
    return out;
}

void SendKeys(TCodeCustomMemo& memo, std::string_view keys) {
    for (std::size_t i = 0; i < keys.size();) {
        if (keys[i] != '<' || keys.find('>', i) == std::string_view::npos || i + 1 == keys.size() ||
            keys[i + 1] == '>') {
            char ch = keys[i++];
            // Punctuation has key codes of its own on a real keyboard; none of them is a
            // command key, so 0 stands for them all.
            int key = std::isalnum(static_cast<unsigned char>(ch))
                          ? std::toupper(static_cast<unsigned char>(ch))
                          : 0;
            Press(memo, key, std::isupper(static_cast<unsigned char>(ch)) ? ssShift : 0, ch);
            continue;
        }
        std::size_t close = keys.find('>', i);
        std::string_view name = keys.substr(i + 1, close - i - 1);
        i = close + 1;
        TShiftState shift = 0;
        while (name.size() > 2 && name[1] == '-') {
            if (name[0] == 'C')
                shift |= ssCtrl;
            else if (name[0] == 'S')
                shift |= ssShift;
            else if (name[0] == 'A')
                shift |= ssAlt;
            name.remove_prefix(2);
        }
        bool found = false;
        for (const TKeyName& k : kKeys) {
            if (k.Name != name)
                continue;
            char ch = k.Char;
            if (k.Key == vkBack && (shift & ssCtrl))
                ch = 127;
            Press(memo, k.Key, shift, ch);
            found = true;
            break;
        }
        if (found)
            continue;
        if (name.size() != 1 || !std::isalpha(static_cast<unsigned char>(name[0])))
            throw std::invalid_argument("unknown key <" + std::string(name) + ">");
        char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
        char ch = (shift & ssCtrl) ? static_cast<char>(letter - 'A' + 1) : name[0];
        Press(memo, vkKey(letter), shift, ch);
    }
}

std::vector<std::string> LinesOf(const TCodeCustomMemo& memo) {
    return memo.Lines().ToVector();
}
