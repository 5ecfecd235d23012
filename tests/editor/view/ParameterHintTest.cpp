// Which routine the caret stands in, and how its signature is cut for the hint window.
#include "editor/view/ParameterHint.h"

#include <gtest/gtest.h>

namespace {

const std::vector<std::string> kSignatures = {
    "ShowMessage(const Msg: string);",
    "MessageDlg(const Msg: string; DlgType: TMsgDlgType; Buttons: TMsgDlgButtons; HelpCtx: "
    "Longint): Integer);",
};

std::optional<THintParts> HintAt(std::string_view lineWithCaret, bool caseSensitive = false) {
    auto caret = lineWithCaret.find('|');
    std::string line(lineWithCaret.substr(0, caret));
    line += lineWithCaret.substr(caret + 1);
    return ParameterHintFor(line, static_cast<int>(caret), kSignatures, caseSensitive, {});
}

} // namespace

TEST(ParameterHint, ShowsTheParameterTheCaretIsIn) {
    EXPECT_EQ(HintAt("ShowMessage(|"), (THintParts{"", "const Msg: string", "", 2}));
    EXPECT_EQ(HintAt("  showmessage('hi|"), (THintParts{"", "const Msg: string", "", 2}));
    EXPECT_EQ(HintAt("MessageDlg('a', |"),
              (THintParts{"const Msg: string;", " DlgType: TMsgDlgType;",
                          " Buttons: TMsgDlgButtons; HelpCtx: Longint", 2}));
    EXPECT_EQ(HintAt("MessageDlg(x, y, z, w|"),
              (THintParts{"const Msg: string; DlgType: TMsgDlgType; Buttons: TMsgDlgButtons;",
                          " HelpCtx: Longint", "", 2}));
    // Past the last parameter nothing is in the middle, and the first part is bold instead.
    EXPECT_EQ(HintAt("ShowMessage(a, b|"), (THintParts{"const Msg: string", "", "", 1}));
}

TEST(ParameterHint, StaysHiddenOutsideAKnownCall) {
    const char* hidden[] = {
        "ShowMessage('x')|",     // closed
        "ShowMessage(|",         // (shown, as a control for the case flag below)
        "pause_64|",             // a command line
        "goto_0000 (|",          // no name before the bracket
        "Unknown(|",             //
        "ShowMessage(a      b|", // five spaces in a row
        "|ShowMessage(",         // caret before the call
    };
    for (const char* line : hidden) {
        bool shown = HintAt(line, true).has_value();
        EXPECT_EQ(shown, std::string(line) == "ShowMessage(|") << line;
    }
    EXPECT_FALSE(HintAt("showmessage(|", true)) << "case counts when the styler says so";
    EXPECT_TRUE(HintAt("ShowMessage(a    b|"));
}
