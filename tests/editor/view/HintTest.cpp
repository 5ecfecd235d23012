// The parameter hint while typing: when it opens, what it shows, where, and when it goes.
#include "EditorFixture.h"

#include "compiler/CommandSet.h"
#include "editor/style/CodePasStyler.h"
#include "editor/view/Gutter.h"

#include <gtest/gtest.h>

namespace {

struct HintFixture {
    FakeHost host;
    TCodePascalMemoStyler styler;
    TestMemo memo{host};

    HintFixture() {
        ConfigureWorkbenchStyler(styler, KeywordsSorted());
        memo.SetSyntaxStyles(&styler);
        SetText(memo, "pause_64\n|");
    }
};

} // namespace

TEST(ParameterHintWindow, OpensBelowTheLineWhileTypingACallAndClosesAfterIt) {
    HintFixture f;
    SendKeys(f.memo, "ShowMessage(");
    ASSERT_TRUE(f.host.HintShown);
    EXPECT_EQ(f.host.HintParts, (THintParts{"", "const Msg: string", "", 2}));
    int left = f.memo.Gutter().GutterWidth() + 12 * f.memo.CharWidth();
    int top = 2 * f.memo.LineHeight(); // one line below the caret line
    EXPECT_EQ(f.host.HintAt, (TPoint{1000 + left, 500 + top})) << "screen position";
    EXPECT_EQ(f.host.Timers[TCodeCustomMemo::kHintTimer], 2500);
    EXPECT_FALSE(f.host.Focused) << "the hint takes no focus";

    SendKeys(f.memo, "'hi'");
    EXPECT_TRUE(f.host.HintShown);
    SendKeys(f.memo, ")");
    EXPECT_FALSE(f.host.HintShown);
    EXPECT_EQ(f.host.Timers.count(TCodeCustomMemo::kHintTimer), 0u);
}

TEST(ParameterHintWindow, HidesAfterItsDelayAndOnLeavingTheLine) {
    HintFixture f;
    SendKeys(f.memo, "MessageDlg('a', ");
    ASSERT_TRUE(f.host.HintShown);
    EXPECT_EQ(f.host.HintParts.Middle, " DlgType: TMsgDlgType;");
    f.memo.TimerExpired(TCodeCustomMemo::kHintTimer);
    EXPECT_FALSE(f.host.HintShown);

    SendKeys(f.memo, "x");
    ASSERT_TRUE(f.host.HintShown) << "typing on brings it back";
    SendKeys(f.memo, "<Up>");
    EXPECT_FALSE(f.host.HintShown);
}

TEST(ParameterHintWindow, CommandLinesAndTheSettingsKeepItClosed) {
    HintFixture f;
    SendKeys(f.memo, "goto_00F5 (x, y");
    EXPECT_FALSE(f.host.HintShown) << "no routine name before the bracket";

    f.memo.SetAutoHintParameters(hpNone);
    SendKeys(f.memo, "<Enter>ShowMessage(");
    EXPECT_FALSE(f.host.HintShown);
    SendKeys(f.memo, "<C-S-Space>");
    EXPECT_FALSE(f.host.HintShown);

    f.memo.SetAutoHintParameters(hpManual);
    SendKeys(f.memo, "a");
    EXPECT_FALSE(f.host.HintShown) << "typing does not open it";
    SendKeys(f.memo, "<C-S-Space>");
    EXPECT_TRUE(f.host.HintShown) << "Ctrl+Shift+Space does";
}
