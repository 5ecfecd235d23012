// The editor's key map: which key, with which of Shift, Ctrl and Alt, runs which command. The
// keyboard handler runs the commands from it, and the host asks it which key combinations are
// the editor's rather than its window's shortcuts.
#pragma once

#include "editor/commands/KeyCodes.h"

#include <cstdint>
#include <span>

enum class TKeyCommand : std::uint8_t {
    None, // the editor's key all the same: no window shortcut takes it
    MoveLeft,
    MoveRight,
    MoveUp,
    MoveDown,
    Home,
    End,
    PageUp,
    PageDown,
    ToggleOverwrite,
    Copy,
    Paste,
    Cut,
    Delete,
    Backspace,
    DeleteWordLeft,
    Undo,
    Redo,
    Tab,
    TabBack,
    NewLine,
    SelectAll,
    DeleteLine,
    Find,
    Replace,
    ParameterHint,
    NextProblem,
    PreviousProblem,
};

// What the keyboard handler does around a command.
enum TKeyFlags : std::uint8_t {
    kfEditing = 1,      // a read-only editor ignores the key
    kfMarksLine = 2,    // the caret line is marked Modified afterwards
    kfSwallowsChar = 4, // the key's character is not for the text, read-only or not
};

struct TKeyBinding {
    int Key;
    TShiftState Shift;  // the modifiers that must be held,
    TShiftState Either; // and those that may be held or not
    TKeyCommand Command;
    std::uint8_t Flags = 0;
    // When not 0, the command runs on this character of the key press rather than on the
    // key-down: after OnKeyPress, and after the auto-correct that Enter's character asks for.
    char Char = 0;

    bool Matches(int key, TShiftState shift) const {
        return key == Key && (shift & ~Either) == Shift;
    }
};

std::span<const TKeyBinding> KeyMap();
// The first binding of the map that matches the key with these modifiers, or nullptr.
const TKeyBinding* FindKeyBinding(int key, TShiftState shift);
// The binding whose command runs on this key-press character, or nullptr.
const TKeyBinding* FindCharBinding(char ch);
// Whether the editor takes the key from its window's shortcuts: every key without Ctrl and Alt,
// and the combinations with them that the map holds.
bool EditorClaimsKey(int key, TShiftState shift);
