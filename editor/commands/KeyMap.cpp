// The editor's key map.
#include "editor/commands/KeyMap.h"

#include <algorithm>
#include <iterator>

namespace {

using enum TKeyCommand;

constexpr TShiftState kAny = ssShift | ssCtrl | ssAlt;
// An editing key that marks the caret line Modified.
constexpr std::uint8_t kEditsLine = kfEditing | kfMarksLine;

// The first binding that matches wins.
constexpr TKeyBinding kKeyMap[] = {
    // The caret keys take every modifier: Shift extends the selection, Ctrl moves by words or
    // to the ends of the text, Alt changes nothing.
    {vkLeft, 0, kAny, MoveLeft},
    {vkRight, 0, kAny, MoveRight},
    {vkUp, 0, kAny, MoveUp},
    {vkDown, 0, kAny, MoveDown},
    {vkHome, 0, kAny, Home},
    {vkEnd, 0, kAny, End},
    {vkPrior, 0, kAny, PageUp},
    {vkNext, 0, kAny, PageDown},

    {vkInsert, 0, 0, ToggleOverwrite, kfEditing},
    {vkInsert, ssCtrl, 0, Copy},
    {vkInsert, ssShift, 0, Paste, kfEditing},
    {vkDelete, 0, 0, Delete, kEditsLine},
    {vkDelete, ssShift, 0, Cut, kEditsLine},
    {vkBack, 0, ssShift, Backspace, kEditsLine},
    {vkBack, ssCtrl, ssShift, DeleteWordLeft, kfEditing},
    // Alt+Backspace delivers Backspace's character as well.
    {vkBack, ssAlt, ssCtrl, Undo, kfEditing | kfSwallowsChar},
    {vkBack, ssAlt | ssShift, ssCtrl, Redo, kfEditing | kfSwallowsChar},
    {vkTab, 0, 0, Tab, kEditsLine},
    {vkTab, ssShift, 0, TabBack},
    {vkSpace, ssCtrl | ssShift, ssAlt, ParameterHint, kfSwallowsChar},
    {vkF2, 0, 0, NextProblem},
    {vkF2, ssShift, 0, PreviousProblem},
    // Ctrl+H delivers the Backspace character.
    {vkKey('H'), ssCtrl, ssShift, Replace, kfSwallowsChar},

    // Enter and the Ctrl+letter commands run on the key's character; Ctrl+M's is Enter's.
    // Enter with Ctrl or Alt delivers it too, but stays free for the window's shortcuts.
    {vkReturn, 0, ssShift, NewLine, kEditsLine, chEnter},
    {vkKey('M'), ssCtrl, ssShift, NewLine, kEditsLine, chEnter},
    {vkKey('A'), ssCtrl, ssShift, SelectAll, kfEditing, chCtrlA},
    {vkKey('C'), ssCtrl, ssShift, Copy, 0, chCtrlC},
    {vkKey('V'), ssCtrl, ssShift, Paste, kfEditing, chCtrlV},
    {vkKey('X'), ssCtrl, ssShift, Cut, kEditsLine, chCtrlX},
    {vkKey('Y'), ssCtrl, ssShift, DeleteLine, kEditsLine, chCtrlY},
    {vkKey('F'), ssCtrl, ssShift, Find, kfEditing, chCtrlF},

    // The other combinations of these keys do nothing but stay the editor's.
    {vkInsert, 0, kAny, None},
    {vkDelete, 0, kAny, None},
    {vkSpace, 0, kAny, None},
};

} // namespace

std::span<const TKeyBinding> KeyMap() {
    return kKeyMap;
}

const TKeyBinding* FindKeyBinding(int key, TShiftState shift) {
    auto it =
        std::ranges::find_if(kKeyMap, [&](const TKeyBinding& b) { return b.Matches(key, shift); });
    return it == std::end(kKeyMap) ? nullptr : &*it;
}

const TKeyBinding* FindCharBinding(char ch) {
    auto it = std::ranges::find_if(
        kKeyMap, [&](const TKeyBinding& b) { return b.Char != 0 && b.Char == ch; });
    return it == std::end(kKeyMap) ? nullptr : &*it;
}

bool EditorClaimsKey(int key, TShiftState shift) {
    return !(shift & (ssCtrl | ssAlt)) || FindKeyBinding(key, shift) != nullptr;
}
