// Copy, cut and paste through the host's clipboard, and the editor's own context menu.
#include "editor/CodeMemo.h"

#include <algorithm>

namespace {

// Clipboard text up to its first NUL, with every lone CR and lone LF made a CR LF.
std::string NormalizeBreaks(std::string_view text) {
    if (auto nul = text.find('\0'); nul != std::string_view::npos)
        text = text.substr(0, nul);
    std::string out;
    out.reserve(text.size() + 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

enum TMenuCommand { mcUndo, mcRedo, mcSep1, mcCopy, mcCut, mcPaste, mcDelete, mcSep2, mcSelectAll };

} // namespace

void TCodeCustomMemo::CopyToClipboard() {
    FHost.SetClipboardText(GetSelText());
}

void TCodeCustomMemo::CutToClipboard() {
    if (FReadOnly)
        return;
    CopyToClipboard();
    DeleteSelection(true);
}

void TCodeCustomMemo::PasteFromClipboard() {
    if (FReadOnly || !FHost.HasClipboardText())
        return;
    std::string text = NormalizeBreaks(FHost.ClipboardText());
    if (text.empty())
        return;
    int sx, sy, ex, ey;
    NormalizedSelection(sx, sy, ex, ey);
    int firstLine = SelectionEmpty() ? CurY() : std::min(CurY(), sy);
    InsertText(text);
    for (int line = std::max(firstLine, 0); line <= CurY(); ++line)
        SetModified(line, true);
    ClearSelection();
    FHost.Invalidate();
}

std::vector<TMenuItem> TCodeCustomMemo::ContextMenuItems() {
    bool empty = SelectionEmpty();
    return {
        {"Undo", !CanUndo() || FReadOnly ? false : true},
        {"Redo", !CanRedo() || FReadOnly ? false : true},
        {"", true},
        {"Copy\tCtrl-C", !empty},
        {"Cut\tCtrl-X", !empty},
        {"Paste\tCtrl-V", FHost.HasClipboardText() && !FReadOnly},
        {"Delete", !empty},
        {"", true},
        {"Select All\tCtrl-A", true},
    };
}

void TCodeCustomMemo::ShowContextMenu(TPoint p) {
    FHost.SetFocus();
    std::vector<TMenuItem> items = ContextMenuItems();
    TCursorShape saved = FCursorShape;
    SetCursorShape(TCursorShape::Arrow);
    int chosen = FHost.PopupMenu(items, p);
    SetCursorShape(saved);
    if (chosen < 0 || chosen >= static_cast<int>(items.size()) ||
        !items[static_cast<std::size_t>(chosen)].Enabled)
        return;
    switch (chosen) {
    case mcUndo:
        Undo();
        break;
    case mcRedo:
        Redo();
        break;
    case mcCopy:
        CopyToClipboard();
        break;
    case mcCut:
        CutToClipboard();
        break;
    case mcPaste:
        PasteFromClipboard();
        break;
    case mcDelete:
        DeleteSelection(true);
        break;
    case mcSelectAll:
        SelectAll();
        break;
    default:
        break;
    }
}
