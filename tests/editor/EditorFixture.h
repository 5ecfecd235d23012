// Editor tests written as text with the caret in it. A fixture is the text with "\n" between
// lines and markers: "|" the caret; "‹" the selection's anchor and ">" its moving end (also the
// caret unless a "|" says otherwise); "·" a column beyond the end of the line, where the caret
// stands without the line being padded. Keys are sent as the host sends them: plain bytes are
// typed, "<C-S-End>" is a key with Ctrl and Shift (names: Left Right Up Down Home End PgUp PgDn
// Ins Del BS Tab Enter Esc Space, or a letter).
#pragma once

#include "editor/CodeMemo.h"
#include "editor/undo/UndoList.h"
#include "support/FakeHost.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// The editor fixtures are loaded into.
using TestMemo = TCodeMemo;

// Loads fixture into memo (the undo history is emptied).
void SetText(TestMemo& memo, std::string_view fixture);
// The memo's text, caret and selection written as a fixture.
std::string GetText(const TCodeCustomMemo& memo);
// Sends keys as key-down, key press and key-up.
void SendKeys(TCodeCustomMemo& memo, std::string_view keys);
// The lines, plainly.
std::vector<std::string> LinesOf(const TCodeCustomMemo& memo);

// One row of a table of key tests: the text before, the keys sent and the text after.
struct KeysCase {
    const char* Name;
    const char* Before;
    const char* Keys;
    const char* After;
};

inline void PrintTo(const KeysCase& c, std::ostream* os) {
    *os << c.Name;
}
