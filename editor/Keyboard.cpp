// The keyboard: key-down handling of the editing and movement keys, key presses of typed
// characters and control characters, and the caret's blink pause while a key is held.
#include "editor/CodeMemo.h"

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
    bool ctrl = shift & ssCtrl;
    bool alt = shift & ssAlt;
    bool sh = shift & ssShift;
    bool editable = !FReadOnly;
    switch (key) {
    case vkLeft:
        MoveCaret(-1, 0, shift);
        break;
    case vkRight:
        MoveCaret(1, 0, shift);
        break;
    case vkUp:
        MoveCaret(0, -1, shift);
        break;
    case vkDown:
        MoveCaret(0, 1, shift);
        break;
    case vkHome:
        HomeKey(shift);
        break;
    case vkEnd:
        EndKey(shift);
        break;
    case vkPrior:
        PageKey(-1, shift);
        break;
    case vkNext:
        PageKey(1, shift);
        break;
    case vkInsert:
        if (ctrl && !sh && !alt)
            CopyToClipboard();
        else if (sh && !ctrl && !alt && editable)
            PasteFromClipboard();
        else if (!ctrl && !sh && !alt && editable)
            ToggleOverwrite();
        break;
    case vkDelete:
        if (!editable || ctrl || alt)
            break;
        if (sh) {
            CutToClipboard();
        } else if (FDelErase && !SelectionEmpty()) {
            DeleteSelection(true);
        } else {
            DeleteChar(CurX(), CurY());
        }
        MarkCaretLineModified();
        break;
    case vkBack:
        if (alt) {
            // The Backspace character that follows is not for the text.
            FSwallowKeyPress = true;
            if (!editable)
                break;
            if (sh)
                Redo();
            else
                Undo();
        } else if (!editable) {
            break;
        } else if (ctrl) {
            DeleteWordLeft();
        } else if (FDelErase && !SelectionEmpty()) {
            DeleteSelection(true);
            MarkCaretLineModified();
        } else {
            Backspace();
            MarkCaretLineModified();
        }
        break;
    case vkTab:
        if (ctrl || alt)
            break;
        if (sh) {
            TabKey(true);
        } else if (editable) {
            TabKey(false);
            MarkCaretLineModified();
        }
        break;
    case vkSpace:
        if (ctrl && sh) {
            FSwallowKeyPress = true;
            UpdateParameterHint(true);
        }
        break;
    default:
        // Ctrl+H delivers the Backspace character, so it is told apart here.
        if (key == vkKey('H') && ctrl && !alt) {
            FSwallowKeyPress = true;
            if (OnReplace)
                OnReplace(*this);
        }
        break;
    }
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
    if (ch == chCtrlC) {
        CopyToClipboard();
        return;
    }
    if (FReadOnly)
        return;
    if (IsWordEnd(ch))
        ApplyAutoCorrect();
    if (IsPrintable(ch)) {
        if (FDelErase && !SelectionEmpty())
            DeleteSelection(true);
        InsertChar(ch);
        MarkCaretLineModified();
        FHost.Invalidate();
    } else if (ch != chBackspace && ch != chTab) {
        KeyDispatch(ch);
    }
}

// The commands of the control characters.
void TCodeCustomMemo::KeyDispatch(char ch) {
    switch (ch) {
    case chEnter:
        NewLine();
        MarkCaretLineModified();
        break;
    case chCtrlA:
        SelectAll();
        break;
    case chCtrlV:
        PasteFromClipboard();
        break;
    case chCtrlX:
        CutToClipboard();
        MarkCaretLineModified();
        break;
    case chCtrlY:
        DeleteLine();
        MarkCaretLineModified();
        break;
    case chCtrlF:
        if (OnFind)
            OnFind(*this);
        break;
    default:
        break;
    }
}
