// The key table's entry points: events first, read-only, the Modified marks, the caret's blink
// pause, Insert's question, the find and replace keys, the swallowed characters, and the key map
// against the README's table of keys.
#include "EditorFixture.h"
#include "editor/commands/KeyMap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <set>

namespace {

bool Modified(const TCodeCustomMemo& memo, int line) {
    const TLineProp* prop = memo.Lines().GetLineProp(line);
    return prop && prop->Modified;
}

TEST(Keyboard, ModifiedMarksFollowEditingKeysOnly) {
    struct {
        const char* before;
        const char* keys;
        bool marked; // the caret line afterwards is marked Modified
    } cases[] = {
        {"ab|c", "x", true},        {"ab|c", "<BS>", true},           {"ab|c", "<Del>", true},
        {"ab|c", "<Tab>", true},    {"ab|c", "<Enter>", true},        {"a\nb|c", "<C-y>", true},
        {"‹ab>c", "<S-Del>", true}, {"‹ab>c", "<C-x>", true},         {"ab|c", "<C-a>", false},
        {"ab|c", "<Ins>", false},   {"ab|c", "<Right><Left>", false}, {"ab|c", "<C-BS>", false},
        {"ab|c", "<S-Tab>", false},
    };
    for (const auto& c : cases) {
        FakeHost host;
        TestMemo memo(host);
        SetText(memo, c.before);
        SendKeys(memo, c.keys);
        EXPECT_EQ(Modified(memo, memo.CurY()), c.marked) << c.before << " " << c.keys;
    }
}

TEST(Keyboard, PasteMarksEveryLineItSpans) {
    FakeHost host;
    TestMemo memo(host);
    SetText(memo, "a\nb|\nc\nd");
    host.OfferClipboard("x\ny\nz");
    SendKeys(memo, "<C-v>");
    EXPECT_EQ(GetText(memo), "a\nbx\ny\nz|\nc\nd");
    std::vector<bool> marks;
    for (int i = 0; i < memo.Lines().Count(); ++i)
        marks.push_back(Modified(memo, i));
    EXPECT_EQ(marks, (std::vector<bool>{false, true, true, true, false, false}));
}

TEST(Keyboard, ReadOnlyKeepsNavigationAndCopying) {
    FakeHost host;
    TestMemo memo(host);
    SetText(memo, "ab|c\nd");
    memo.SetReadOnly(true);
    SendKeys(memo, "<S-Left><C-c>");
    EXPECT_EQ(host.Clipboard, "b");
    SendKeys(memo, "<C-Ins>");
    EXPECT_EQ(host.ClipboardWrites, 2);
    SendKeys(memo, "<Down><End>");
    EXPECT_EQ(GetText(memo), "abc\nd|");
}

TEST(Keyboard, EventsComeFirstAndMayEatTheKey) {
    FakeHost host;
    TestMemo memo(host);
    SetText(memo, "ab|");
    std::vector<std::string> seen;
    memo.OnKeyDown = [&](TCodeCustomMemo&, int& key, TShiftState) {
        seen.push_back("down " + std::to_string(key));
        if (key == vkBack)
            key = 0;
    };
    memo.OnKeyPress = [&](TCodeCustomMemo&, char& ch) {
        seen.push_back(std::string("press ") + ch);
        if (ch == 'q')
            ch = 0;
        else if (ch == 'u')
            ch = 'U';
    };
    SendKeys(memo, "<BS>qu");
    EXPECT_EQ(GetText(memo), "abU|");
    EXPECT_EQ(seen.front(), "down 8");
}

TEST(Keyboard, CaretStopsBlinkingWhileKeyIsDown) {
    FakeHost host;
    TestMemo memo(host);
    int key = vkRight;
    memo.KeyDown(key, 0);
    EXPECT_FALSE(host.Blinking);
    memo.KeyUp(key, 0);
    EXPECT_TRUE(host.Blinking);
}

TEST(Keyboard, SystemCaretLivesWhileFocused) {
    FakeHost host;
    TestMemo memo(host);
    SetText(memo, "a\nbc|");
    memo.FocusGained();
    // The caret stands in its cell of the text area, 2 pixels below the cell's top.
    TRect area = memo.TextArea();
    auto pos = [&](int col, int line) {
        return "pos " + std::to_string(area.Left + col * memo.CharWidth()) + "," +
               std::to_string(area.Top + line * memo.LineHeight() + 2);
    };
    EXPECT_EQ(host.CaretCalls, (std::vector<std::string>{"create 2x14", pos(2, 1), "show"}));
    SendKeys(memo, "<Left>");
    EXPECT_EQ(host.CaretCalls.back(), pos(1, 1));
    memo.FocusLost(true);
    EXPECT_EQ(host.CaretCalls.back(), pos(1, 1));
    memo.FocusLost(false);
    EXPECT_EQ(host.CaretCalls.back(), "destroy");
    host.CaretCalls.clear();
    SendKeys(memo, "<Left>");
    EXPECT_TRUE(host.CaretCalls.empty());
    memo.SetHiddenCaret(true);
    memo.FocusGained();
    EXPECT_EQ(host.CaretCalls, (std::vector<std::string>{"create 2x14", pos(0, 1)}));
    EXPECT_EQ(memo.DialogCode(), 131);
}

TEST(Keyboard, InsertAsksBeforeToggling) {
    FakeHost host;
    TestMemo memo(host);
    bool allow = false;
    int asked = 0;
    memo.OnOverwriteToggle = [&](TCodeCustomMemo&, bool& a) {
        ++asked;
        EXPECT_TRUE(a);
        a = allow;
    };
    SendKeys(memo, "<Ins>");
    EXPECT_FALSE(memo.Overwrite());
    allow = true;
    SendKeys(memo, "<Ins>");
    EXPECT_TRUE(memo.Overwrite());
    EXPECT_EQ(asked, 2);
}

TEST(Keyboard, FindReplaceAndSwallowedCharacters) {
    FakeHost host;
    TestMemo memo(host);
    SetText(memo, "ab|c");
    int find = 0, replace = 0;
    memo.OnFind = [&](TCodeCustomMemo&) { ++find; };
    memo.OnReplace = [&](TCodeCustomMemo&) { ++replace; };
    SendKeys(memo, "<C-f><C-h><Esc><C-z><C-S-Space>");
    EXPECT_EQ(find, 1);
    EXPECT_EQ(replace, 1);
    EXPECT_EQ(GetText(memo), "ab|c") << "Ctrl+H is no Backspace, Ctrl+Shift+Space types no space";
    SendKeys(memo, "x<A-BS>");
    EXPECT_EQ(GetText(memo), "ab|c") << "Alt+Backspace undoes and deletes nothing";
    SendKeys(memo, "<A-S-BS>");
    EXPECT_EQ(GetText(memo), "abx|c");
}

TEST(Keyboard, DisabledEditorIgnoresKeys) {
    FakeHost host;
    TestMemo memo(host);
    SetText(memo, "ab|");
    host.Enabled = false;
    SendKeys(memo, "x<BS><Left>");
    EXPECT_EQ(GetText(memo), "ab|");
}

// The README's table of the editor's keys names the keys of the map that the user sees act, and
// no other.
TEST(Keyboard, ReadmeListsTheKeyMap) {
    const struct {
        std::string_view Name;
        int Key;
    } names[] = {{"Left", vkLeft},     {"Right", vkRight},    {"Up", vkUp},
                 {"Down", vkDown},     {"Home", vkHome},      {"End", vkEnd},
                 {"Page Up", vkPrior}, {"Page Down", vkNext}, {"Insert", vkInsert},
                 {"Delete", vkDelete}, {"Backspace", vkBack}, {"Tab", vkTab},
                 {"Enter", vkReturn},  {"Space", vkSpace},    {"F2", vkF2}};
    const char* root = std::getenv("TOVIX_SOURCE_DIR");
    ASSERT_NE(root, nullptr);
    std::ifstream readme(std::string(root) + "/README.md");
    std::string line;
    while (std::getline(readme, line) && line != "In the editor:") {
    }
    while (std::getline(readme, line) && !line.starts_with('|')) {
    }
    std::set<std::pair<int, TShiftState>> listed;
    for (; line.starts_with('|'); std::getline(readme, line)) {
        std::string_view row = line;
        std::size_t bar = row.find(" |");
        std::string_view cell = bar == std::string_view::npos ? "" : row.substr(2, bar - 2);
        if (cell == "key")
            continue;
        for (std::size_t at = 0; at < cell.size();) {
            std::size_t comma = std::min(cell.find(", ", at), cell.size());
            std::string_view name = cell.substr(at, comma - at);
            at = comma + 2;
            TShiftState shift = 0;
            for (std::size_t plus; (plus = name.find('+')) != std::string_view::npos;
                 name.remove_prefix(plus + 1)) {
                std::string_view mod = name.substr(0, plus);
                shift |= mod == "Ctrl" ? ssCtrl : mod == "Shift" ? ssShift : ssAlt;
            }
            if (name == "arrows") {
                for (int key : {vkLeft, vkRight, vkUp, vkDown})
                    listed.insert({key, shift});
            } else if (name.size() == 1) {
                listed.insert({vkKey(name[0]), shift});
            } else {
                auto it = std::ranges::find(names, name, [](const auto& n) { return n.Name; });
                if (it == std::end(names))
                    ADD_FAILURE() << "README names an unknown key " << name;
                else
                    listed.insert({it->Key, shift});
            }
        }
    }
    ASSERT_GT(listed.size(), 20u);
    for (auto [key, shift] : listed) {
        const TKeyBinding* binding = FindKeyBinding(key, shift);
        EXPECT_TRUE(binding && binding->Command != TKeyCommand::None)
            << "README lists key " << key << " with modifiers " << int(shift);
    }
    for (const TKeyBinding& binding : KeyMap()) {
        if (binding.Command == TKeyCommand::None)
            continue;
        EXPECT_TRUE(listed.contains({binding.Key, binding.Shift}))
            << "README misses key " << binding.Key << " with modifiers " << int(binding.Shift);
    }
}

TEST(Keyboard, AutoCorrectReplacesCompletedWord) {
    FakeHost host;
    TestMemo memo(host);
    SetText(memo, "|");
    SendKeys(memo, "teh ");
    EXPECT_EQ(GetText(memo), "teh |") << "inert with empty lists";
    memo.AutoCorrect().OldValue = {"teh"};
    memo.AutoCorrect().NewValue = {"the"};
    std::vector<std::string> words;
    memo.OnWordComplete = [&](TCodeCustomMemo&, const std::string& w, std::string& n) {
        words.push_back(w + ">" + n);
        if (w == "pas")
            n = "pause";
    };
    SendKeys(memo, "teh pas,");
    EXPECT_EQ(GetText(memo), "teh the pause,|");
    EXPECT_EQ(words, (std::vector<std::string>{"teh>the", "pas>pas"}));
}

} // namespace
