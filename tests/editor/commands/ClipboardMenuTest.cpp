// Copy, cut and paste through the host's clipboard, and the editor's own context menu.
#include "EditorFixture.h"

#include <gtest/gtest.h>

namespace {

struct PasteCase {
    const char* Name;
    const char* Before;
    std::string Clipboard;
    const char* After;
};

void PrintTo(const PasteCase& c, std::ostream* os) {
    *os << c.Name;
}

class Paste : public ::testing::TestWithParam<PasteCase> {};

TEST_P(Paste, NormalisesBreaksAndUndoesInOneStep) {
    const PasteCase& c = GetParam();
    FakeHost host;
    TestMemo memo(host);
    SetText(memo, c.Before);
    std::string before = GetText(memo);
    host.OfferClipboard(c.Clipboard);
    SendKeys(memo, "<C-v>");
    EXPECT_EQ(GetText(memo), c.After);
    memo.Undo();
    if (memo.CanUndo())
        memo.Undo(); // the deleted selection
    EXPECT_EQ(GetText(memo), before);
}

INSTANTIATE_TEST_SUITE_P(
    Clipboard, Paste,
    ::testing::Values(PasteCase{"SingleLine", "a|b", "xyz", "axyz|b"},
                      PasteCase{"LoneLfBreaksLine", "a|b", "x\ny", "ax\ny|b"},
                      PasteCase{"LoneCrBreaksLine", "a|b", "x\ry", "ax\ny|b"},
                      PasteCase{"CrLfStaysOneBreak", "a|b", "x\r\ny", "ax\ny|b"},
                      PasteCase{"LfCrIsTwoBreaks", "a|b", "x\n\ry", "ax\n\ny|b"},
                      PasteCase{"LetterAndBreakAtColumnZero", "|old", "q\r\n", "q\n|old"},
                      PasteCase{"StopsAtNul", "a|b", std::string("xy\0zz", 5), "axy|b"},
                      PasteCase{"ReplacesSelection", "a‹bc>d", "X", "aX|d"},
                      PasteCase{"TabsExpanded", "|", "\tx", "    x|"},
                      PasteCase{"ManyLines", "a|b", "1\n2\n3\n4", "a1\n2\n3\n4|b"}));

TEST(Clipboard, PasteWithoutTextChangesNothing) {
    struct {
        bool offered;
        std::string text;
    } cases[] = {{false, ""}, {true, ""}, {true, std::string("\0abc", 4)}};
    for (const auto& c : cases) {
        FakeHost host;
        TestMemo memo(host);
        SetText(memo, "a‹b>c");
        host.ClipboardHasText = c.offered;
        host.Clipboard = c.text;
        SendKeys(memo, "<C-v><S-Ins>");
        EXPECT_EQ(GetText(memo), "a‹b>c");
        EXPECT_FALSE(memo.CanUndo());
    }
}

TEST(Clipboard, CopyAndCut) {
    FakeHost host;
    TestMemo memo(host);
    SetText(memo, "a‹bc\nd>e");
    SendKeys(memo, "<C-c>");
    EXPECT_EQ(host.Clipboard, "bc\r\nd");
    EXPECT_EQ(GetText(memo), "a‹bc\nd>e");
    SendKeys(memo, "<C-x>");
    EXPECT_EQ(GetText(memo), "a|e");
    memo.Undo();
    EXPECT_EQ(GetText(memo), "a‹bc\nd>e");
    SendKeys(memo, "<Right><S-Del>");
    EXPECT_EQ(host.Clipboard, "") << "cut with nothing selected empties the clipboard";
    EXPECT_EQ(memo.Lines().ToVector(), (std::vector<std::string>{"abc", "de"}));
}

TEST(Clipboard, CopyWithNothingSelectedEmptiesClipboard) {
    FakeHost host;
    TestMemo memo(host);
    host.OfferClipboard("old");
    SetText(memo, "a|b");
    SendKeys(memo, "<C-c>");
    EXPECT_TRUE(host.ClipboardHasText);
    EXPECT_EQ(host.Clipboard, "");
}

TEST(Clipboard, ReadOnlyCutAndPasteDoNothing) {
    FakeHost host;
    TestMemo memo(host);
    SetText(memo, "a‹b>c");
    memo.SetReadOnly(true);
    host.OfferClipboard("zz");
    memo.CutToClipboard();
    memo.PasteFromClipboard();
    EXPECT_EQ(host.Clipboard, "zz");
    EXPECT_EQ(GetText(memo), "a‹b>c");
}

std::vector<std::string> Enabled(const std::vector<TMenuItem>& items) {
    std::vector<std::string> out;
    for (const auto& item : items)
        if (!item.Text.empty() && item.Enabled)
            out.push_back(item.Text.substr(0, item.Text.find('\t')));
    return out;
}

TEST(ContextMenu, ItemsInOrderWithShortcutsAfterTab) {
    FakeHost host;
    TestMemo memo(host);
    memo.SetCursorShape(TCursorShape::Hand);
    memo.ShowContextMenu(TPoint{30, 40});
    ASSERT_EQ(host.Menus.size(), 1u);
    std::vector<std::string> texts;
    for (const auto& item : host.Menus[0])
        texts.push_back(item.Text);
    EXPECT_EQ(texts,
              (std::vector<std::string>{"Undo", "Redo", "", "Copy\tCtrl-C", "Cut\tCtrl-X",
                                        "Paste\tCtrl-V", "Delete", "", "Select All\tCtrl-A"}));
    EXPECT_EQ(host.MenuPoints[0], (TPoint{30, 40}));
    EXPECT_TRUE(host.Focused);
    EXPECT_EQ(host.CursorDuringMenu[0], TCursorShape::Arrow);
    EXPECT_EQ(host.Cursor, TCursorShape::Hand);
}

TEST(ContextMenu, GreyedStates) {
    struct {
        const char* text;
        const char* keys;
        bool clipboard;
        bool readOnly;
        std::vector<std::string> enabled;
    } cases[] = {
        {"a|b", "", false, false, {"Select All"}},
        {"a|b", "", true, false, {"Paste", "Select All"}},
        {"a‹b>", "", false, false, {"Copy", "Cut", "Delete", "Select All"}},
        {"a|b", "x", false, false, {"Undo", "Select All"}},
        {"a|b", "x<A-BS>", false, false, {"Redo", "Select All"}},
        {"a‹b>", "x<S-Left>", true, true, {"Copy", "Cut", "Delete", "Select All"}},
    };
    for (const auto& c : cases) {
        FakeHost host;
        TestMemo memo(host);
        SetText(memo, c.text);
        SendKeys(memo, c.keys);
        host.ClipboardHasText = c.clipboard;
        memo.SetReadOnly(c.readOnly);
        EXPECT_EQ(Enabled(memo.ContextMenuItems()), c.enabled) << c.text << " " << c.keys;
    }
}

TEST(ContextMenu, ChosenItemsRunTheirCommands) {
    struct {
        const char* before;
        const char* keys;
        int item;
        const char* after;
        const char* clipboard;
    } cases[] = {
        {"a|b", "x", 0, "a|b", ""},      {"a|b", "x<A-BS>", 1, "ax|b", ""},
        {"a‹bc>", "", 3, "a‹bc>", "bc"}, {"a‹bc>", "", 4, "a|", "bc"},
        {"a|", "", 5, "aclip|", "clip"}, {"a‹bc>", "", 6, "a|", "clip"},
        {"ab|", "", 8, "‹ab>", "clip"},  {"ab|", "", -1, "ab|", "clip"},
        {"a|b", "", 0, "a|b", "clip"}, // greyed Undo: nothing
    };
    for (const auto& c : cases) {
        FakeHost host;
        TestMemo memo(host);
        SetText(memo, c.before);
        SendKeys(memo, c.keys);
        host.OfferClipboard("clip");
        if (std::string(c.clipboard).empty())
            host.ClipboardHasText = false;
        host.MenuAnswer = c.item;
        memo.ShowContextMenu(TPoint{});
        EXPECT_EQ(GetText(memo), c.after) << c.before << " item " << c.item;
        if (host.ClipboardHasText) {
            EXPECT_EQ(host.Clipboard, c.clipboard) << c.before << " item " << c.item;
        }
    }
}

} // namespace
