// The editor's link to its syntax styler: binding through SyntaxStyles, the styler's
// destruction, and the questions editing asks of it.
#include "editor/CodeMemo.h"

#include "editor/style/CharCase.h"

void TCodeCustomMemo::SetSyntaxStyles(TCodeCustomMemoStyler* styler) {
    if (FSyntaxStyles && FSyntaxStyles != styler)
        FSyntaxStyles->RemoveFreeNotification(this);
    FSyntaxStyles = styler;
    FUseStyler = styler != nullptr;
    if (styler) {
        styler->FreeNotification(this);
        TElementStyles& styles = styler->AllStyles();
        styles.SetBoundMemo(this);
        for (int i = 0; i < styles.Count(); ++i) {
            TElementStyle& item = styles.Items(i);
            if (item.StyleType() != stKeyword)
                continue;
            TStringList& words = item.KeyWords();
            words.SetSorted(false);
            if (!FCaseSensitive)
                for (int w = 0; w < words.Count(); ++w)
                    words.Put(w, AnsiLowerCase(words[w]));
            words.SetSorted(true);
        }
    }
    InvalidateTopStateCache();
    FHost.Invalidate();
}

void TCodeCustomMemo::SetUseStyler(bool value) {
    FUseStyler = value;
    InvalidateTopStateCache();
    FHost.Invalidate();
}

void TCodeCustomMemo::StylerDestroyed(TCodeCustomMemoStyler& styler) {
    if (FSyntaxStyles != &styler)
        return;
    FSyntaxStyles = nullptr;
    InvalidateTopStateCache();
    FHost.Invalidate();
}

// Called from the destructor: the styler forgets this editor.
void TCodeCustomMemo::ReleaseStyler() {
    if (!FSyntaxStyles)
        return;
    FSyntaxStyles->RemoveFreeNotification(this);
    if (FSyntaxStyles->AllStyles().BoundMemo() == this)
        FSyntaxStyles->AllStyles().SetBoundMemo(nullptr);
    FSyntaxStyles = nullptr;
}

bool TCodeCustomMemo::IsWordDelimiter(char c) const {
    if (!FSyntaxStyles)
        return c == ' ';
    const TElementStyles& styles = FSyntaxStyles->AllStyles();
    for (int i = 0; i < styles.Count(); ++i)
        if (styles.Items(i).StyleType() == stSymbol)
            return styles.Items(i).Symbols().find(c) != std::string::npos;
    return false;
}

bool TCodeCustomMemo::IsDelimiter(char c) const {
    if (c == ' ' || c == '"' || c == '\'')
        return true;
    return StylerUsed() && FSyntaxStyles->AllStyles().IsDelimiterChar(c);
}

std::string TCodeCustomMemo::BlockStartWord() const {
    return FSyntaxStyles ? FSyntaxStyles->BlockStart() : std::string();
}

std::string TCodeCustomMemo::BlockEndWord() const {
    return FSyntaxStyles ? FSyntaxStyles->BlockEnd() : std::string();
}
