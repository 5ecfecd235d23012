// The styler model: character styles, element styles, the style list and the styler base.
#include "editor/style/CodeStyleIF.h"

#include "editor/CodeMemo.h"

#include <algorithm>

void TPersistent::Assign(const TPersistent&) {}

void TCharStyle::Assign(const TPersistent& source) {
    if (auto* other = dynamic_cast<const TCharStyle*>(&source)) {
        FTextColor = other->FTextColor;
        FBkColor = other->FBkColor;
        FStyle = other->FStyle;
    }
}

// ---- TElementStyle ---------------------------------------------------------------------------

namespace {

TFont DefaultStyleFont() {
    TFont font;
    font.Name = "Courier New";
    font.SetSize(8);
    font.Color = clBlack;
    font.Style = 0;
    return font;
}

} // namespace

TElementStyle::TElementStyle(TElementStyles* collection)
    : FCollection(collection), FFont(DefaultStyleFont()), FBGColor(clWhite) {
    if (FCollection && FCollection->BoundMemo())
        FBGColor = FCollection->BoundMemo()->BkColor();
}

std::string TElementStyle::DisplayName() const {
    return FInfo.empty() ? std::string("TElementStyle") : FInfo;
}

void TElementStyle::Assign(const TPersistent& source) {
    auto* other = dynamic_cast<const TElementStyle*>(&source);
    if (!other || other == this)
        return;
    FKeyWords.Assign(other->FKeyWords);
    FFont = other->FFont;
    FBGColor = other->FBGColor;
    FStyleType = other->FStyleType;
    FBracketStart = other->FBracketStart;
    FBracketEnd = other->FBracketEnd;
    FSymbols = other->FSymbols;
    FInfo = other->FInfo;
}

// ---- TElementStyles --------------------------------------------------------------------------

TElementStyle& TElementStyles::Add() {
    FItems.push_back(std::make_unique<TElementStyle>(this));
    return *FItems.back();
}

const TElementStyle* TElementStyles::Find(int index) const {
    if (index < 0 || index >= Count())
        return nullptr;
    return FItems[static_cast<std::size_t>(index)].get();
}

void TElementStyles::Delete(int index) {
    if (index < 0 || index >= Count())
        return;
    FItems.erase(FItems.begin() + index);
    FStylesReplaced = true;
}

void TElementStyles::Clear() {
    if (!FItems.empty())
        FStylesReplaced = true;
    FItems.clear();
}

bool TElementStyles::IsDelimiterChar(char c) const {
    for (const auto& item : FItems) {
        if (item->StyleType() == stSymbol) {
            if (item->Symbols().find(c) != std::string::npos)
                return true;
        } else if (item->StyleType() == stBracket) {
            if (item->BracketStart() == c || item->BracketEnd() == c)
                return true;
        }
    }
    return false;
}

// ---- TCodeCustomMemoStyler -------------------------------------------------------------------

TCodeCustomMemoStyler::TCodeCustomMemoStyler() = default;

TCodeCustomMemoStyler::~TCodeCustomMemoStyler() {
    // Each editor forgets this styler; it may unregister itself while being told.
    std::vector<TCodeCustomMemo*> notified = std::move(FNotified);
    FNotified.clear();
    for (TCodeCustomMemo* memo : notified)
        memo->StylerDestroyed(*this);
}

void TCodeCustomMemoStyler::Loaded() {
    if (!FAllStyles.StylesReplaced())
        FAllStyles.Clear();
}

void TCodeCustomMemoStyler::FreeNotification(TCodeCustomMemo* memo) {
    if (memo && std::find(FNotified.begin(), FNotified.end(), memo) == FNotified.end())
        FNotified.push_back(memo);
}

void TCodeCustomMemoStyler::RemoveFreeNotification(TCodeCustomMemo* memo) {
    std::erase(FNotified, memo);
}
