// The keyboard: key-downs and the key presses of typed and control characters run the commands
// of the key map, and the caret stops blinking while a key is held.
#include "editor/CodeMemo.h"
#include "editor/commands/KeyMap.h"

namespace {

bool IsPrintable(char ch) {
    auto c = static_cast<unsigned char>(ch);
    return (c >= 32 && c <= 126) || c >= 128;
}

bool IsWordEnd(char ch) {
    switch (ch) {
    case '\t':
    case '\r':
    case ' ':
    case '(':
    case ',':
    case '.':
    case '=':
    case '[':
        return true;
    default:
        return false;
    }
}

} // namespace

void TCodeCustomMemo::MarkCaretLineModified() {
    SetModified(CurY(), true);
}

void TCodeCustomMemo::ToggleOverwrite() {
    bool allow = true;
    if (OnOverwriteToggle)
        OnOverwriteToggle(*this, allow);
    if (allow)
        SetOverwrite(!FOverwrite);
    if (OnStatusChange)
        OnStatusChange(*this);
}

void TCodeCustomMemo::KeyDown(int& key, TShiftState shift) {
    if (!FHost.IsEnabled())
        return;
    FSwallowKeyPress = false;
    FLastKeyCtrl = shift & ssCtrl;
    if (OnKeyDown)
        OnKeyDown(*this, key, shift);
    FHost.SetCaretBlinking(false);
    const TKeyBinding* binding = FindKeyBinding(key, shift);
    // A command of the key's character waits for the key press.
    if (!binding || binding->Char != 0)
        return;
    if (binding->Flags & kfSwallowsChar)
        FSwallowKeyPress = true;
    RunKeyCommand(*binding, shift);
}

void TCodeCustomMemo::KeyUp(int, TShiftState) {
    FHost.SetCaretBlinking(true);
}

void TCodeCustomMemo::KeyPress(char& ch) {
    if (!FHost.IsEnabled())
        return;
    if (FSwallowKeyPress) {
        FSwallowKeyPress = false;
        return;
    }
    if (OnKeyPress)
        OnKeyPress(*this, ch);
    if (ch == 0)
        return;
    const TKeyBinding* binding = FindCharBinding(ch);
    // Read-only, a character can only copy.
    if (FReadOnly) {
        if (binding && !(binding->Flags & kfEditing))
            RunKeyCommand(*binding, 0);
        return;
    }
    if (IsWordEnd(ch))
        ApplyAutoCorrect();
    if (IsPrintable(ch)) {
        if (FDelErase && !SelectionEmpty())
            DeleteSelection(true);
        InsertChar(ch);
        MarkCaretLineModified();
        FHost.Invalidate();
    } else if (binding) {
        RunKeyCommand(*binding, 0);
    }
}

void TCodeCustomMemo::RunKeyCommand(const TKeyBinding& binding, TShiftState shift) {
    if ((binding.Flags & kfEditing) && FReadOnly)
        return;
    switch (binding.Command) {
    case TKeyCommand::None:
        break;
    case TKeyCommand::MoveLeft:
        MoveCaret(-1, 0, shift);
        break;
    case TKeyCommand::MoveRight:
        MoveCaret(1, 0, shift);
        break;
    case TKeyCommand::MoveUp:
        MoveCaret(0, -1, shift);
        break;
    case TKeyCommand::MoveDown:
        MoveCaret(0, 1, shift);
        break;
    case TKeyCommand::Home:
        HomeKey(shift);
        break;
    case TKeyCommand::End:
        EndKey(shift);
        break;
    case TKeyCommand::PageUp:
        PageKey(-1, shift);
        break;
    case TKeyCommand::PageDown:
        PageKey(1, shift);
        break;
    case TKeyCommand::ToggleOverwrite:
        ToggleOverwrite();
        break;
    case TKeyCommand::Copy:
        CopyToClipboard();
        break;
    case TKeyCommand::Paste:
        PasteFromClipboard();
        break;
    case TKeyCommand::Cut:
        CutToClipboard();
        break;
    case TKeyCommand::Delete:
        if (FDelErase && !SelectionEmpty())
            DeleteSelection(true);
        else
            DeleteChar(CurX(), CurY());
        break;
    case TKeyCommand::Backspace:
        if (FDelErase && !SelectionEmpty())
            DeleteSelection(true);
        else
            Backspace();
        break;
    case TKeyCommand::DeleteWordLeft:
        DeleteWordLeft();
        break;
    case TKeyCommand::Undo:
        Undo();
        break;
    case TKeyCommand::Redo:
        Redo();
        break;
    case TKeyCommand::Tab:
        TabKey(false);
        break;
    case TKeyCommand::TabBack:
        TabKey(true);
        break;
    case TKeyCommand::NewLine:
        NewLine();
        break;
    case TKeyCommand::SelectAll:
        SelectAll();
        break;
    case TKeyCommand::DeleteLine:
        DeleteLine();
        break;
    case TKeyCommand::Find:
        if (OnFind)
            OnFind(*this);
        break;
    case TKeyCommand::Replace:
        if (OnReplace)
            OnReplace(*this);
        break;
    case TKeyCommand::ParameterHint:
        UpdateParameterHint(true);
        break;
    case TKeyCommand::NextProblem:
        GoToProblem(1);
        break;
    case TKeyCommand::PreviousProblem:
        GoToProblem(-1);
        break;
    }
    if (binding.Flags & kfMarksLine)
        MarkCaretLineModified();
}
