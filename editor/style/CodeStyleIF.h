// The styler interface: the rules that tell the editor how to colour program text. A styler
// holds a list of element styles (keywords, bracketed runs, symbol characters), the comment and
// number styles, and the settings of the parameter hint and of code-folding regions. The editor
// refers to one styler through SyntaxStyles; it does not own it.
#pragma once

#include "editor/Font.h"
#include "editor/Graphics.h"
#include "editor/style/StringList.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TCodeCustomMemo;

// Something whose settings can be copied from another object of a suitable kind.
class TPersistent {
public:
    virtual ~TPersistent() = default;
    // Copies the settings of source when it is of a kind this object understands; otherwise
    // changes nothing.
    virtual void Assign(const TPersistent& source);
};

// The colour triple of comments, numbers and links.
class TCharStyle : public TPersistent {
public:
    TCharStyle() = default;
    TCharStyle(TColor text, TColor bk, TFontStyles style)
        : FTextColor(text), FBkColor(bk), FStyle(style) {}

    TColor TextColor() const { return FTextColor; }
    void SetTextColor(TColor c) { FTextColor = c; }
    // clNone: the run takes the editor's BkColor.
    TColor BkColor() const { return FBkColor; }
    void SetBkColor(TColor c) { FBkColor = c; }
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles s) { FStyle = s; }
    void Assign(const TPersistent& source) override;

private:
    TColor FTextColor = clBlack;
    TColor FBkColor = clNone;
    TFontStyles FStyle = 0;
};

enum TStyleType { stKeyword, stBracket, stSymbol };

class TElementStyles;

// One styling rule.
class TElementStyle : public TPersistent {
public:
    explicit TElementStyle(TElementStyles* collection = nullptr);

    TStringList& KeyWords() { return FKeyWords; }
    const TStringList& KeyWords() const { return FKeyWords; }
    void SetKeyWords(const TStringList& words) { FKeyWords.Assign(words); }
    // Only the colour and the style are used for painting.
    TFont& Font() { return FFont; }
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& font) { FFont = font; }
    TColor BGColor() const { return FBGColor; }
    void SetBGColor(TColor c) { FBGColor = c; }
    TStyleType StyleType() const { return FStyleType; }
    void SetStyleType(TStyleType t) { FStyleType = t; }
    // Character 0: not set; a bracket style with either character 0 never matches.
    char BracketStart() const { return FBracketStart; }
    void SetBracketStart(char c) { FBracketStart = c; }
    char BracketEnd() const { return FBracketEnd; }
    void SetBracketEnd(char c) { FBracketEnd = c; }
    const std::string& Symbols() const { return FSymbols; }
    void SetSymbols(std::string s) { FSymbols = std::move(s); }
    const std::string& Info() const { return FInfo; }
    void SetInfo(std::string s) { FInfo = std::move(s); }
    // Info, or the item's class name when Info is empty.
    std::string DisplayName() const;

    TElementStyles* Collection() const { return FCollection; }
    void Assign(const TPersistent& source) override;

private:
    TElementStyles* FCollection;
    TStringList FKeyWords;
    TFont FFont;
    TColor FBGColor;
    TStyleType FStyleType = stKeyword;
    char FBracketStart = 0;
    char FBracketEnd = 0;
    std::string FSymbols;
    std::string FInfo;
};

class TCodeCustomMemoStyler;

// The styler's ordered list of rules; the first matching rule wins.
class TElementStyles {
public:
    explicit TElementStyles(TCodeCustomMemoStyler* owner) : FOwner(owner) {}
    TElementStyles(const TElementStyles&) = delete;
    TElementStyles& operator=(const TElementStyles&) = delete;

    TElementStyle& Add();
    int Count() const { return static_cast<int>(FItems.size()); }
    TElementStyle& Items(int index) { return *FItems.at(static_cast<std::size_t>(index)); }
    const TElementStyle& Items(int index) const {
        return *FItems.at(static_cast<std::size_t>(index));
    }
    // Null when index names no item.
    const TElementStyle* Find(int index) const;
    void Delete(int index);
    void Clear();

    // True when a symbol style holds c, or a bracket style opens or closes with it.
    bool IsDelimiterChar(char c) const;

    TCodeCustomMemo* BoundMemo() const { return FBoundMemo; }
    void SetBoundMemo(TCodeCustomMemo* memo) { FBoundMemo = memo; }
    // Set once an item of the list has been destroyed.
    bool StylesReplaced() const { return FStylesReplaced; }
    TCodeCustomMemoStyler* Owner() const { return FOwner; }

private:
    TCodeCustomMemoStyler* FOwner;
    std::vector<std::unique_ptr<TElementStyle>> FItems;
    TCodeCustomMemo* FBoundMemo = nullptr;
    bool FStylesReplaced = false;
};

// Settings of the parameter hint shown while arguments of a known routine are typed.
struct THintParameter {
    TColor TextColor = clBlack;
    TColor BkColor = clInfoBk;
    char HintCharStart = '(';
    char HintCharEnd = ')';
    char HintCharDelimiter = ';';
    TStringList Parameters; // one signature per line
    char HintCharWriteDelimiter = ',';
};

enum TRegionType { rtOpen, rtClosed, rtFile, rtIgnore };

// A code-folding region: where it starts and ends.
struct TRegionDefinition {
    std::string Identifier;
    std::string RegionStart;
    std::string RegionEnd;
    TRegionType RegionType = rtOpen;
    bool ShowComments = false;
    bool operator==(const TRegionDefinition&) const = default;
};
using TRegionDefinitions = std::vector<TRegionDefinition>;

// The styler component. Editors bound to it are told when it is destroyed.
class TCodeCustomMemoStyler {
public:
    TCodeCustomMemoStyler();
    virtual ~TCodeCustomMemoStyler();
    TCodeCustomMemoStyler(const TCodeCustomMemoStyler&) = delete;
    TCodeCustomMemoStyler& operator=(const TCodeCustomMemoStyler&) = delete;

    TElementStyles& AllStyles() { return FAllStyles; }
    const TElementStyles& AllStyles() const { return FAllStyles; }
    const std::string& LineComment() const { return FLineComment; }
    void SetLineComment(std::string s) { FLineComment = std::move(s); }
    const std::string& MultiCommentLeft() const { return FMultiCommentLeft; }
    void SetMultiCommentLeft(std::string s) { FMultiCommentLeft = std::move(s); }
    const std::string& MultiCommentRight() const { return FMultiCommentRight; }
    void SetMultiCommentRight(std::string s) { FMultiCommentRight = std::move(s); }
    TCharStyle& CommentStyle() { return FCommentStyle; }
    const TCharStyle& CommentStyle() const { return FCommentStyle; }
    TCharStyle& NumberStyle() { return FNumberStyle; }
    const TCharStyle& NumberStyle() const { return FNumberStyle; }
    TStringList& AutoCompletion() { return FAutoCompletion; }
    const TStringList& AutoCompletion() const { return FAutoCompletion; }
    THintParameter& HintParameter() { return FHintParameter; }
    const THintParameter& HintParameter() const { return FHintParameter; }
    const std::string& NumberChars() const { return FNumberChars; }
    const std::string& HexIdentifier() const { return FHexIdentifier; }
    void SetHexIdentifier(std::string s) { FHexIdentifier = std::move(s); }
    const std::string& BlockStart() const { return FBlockStart; }
    void SetBlockStart(std::string s) { FBlockStart = std::move(s); }
    const std::string& BlockEnd() const { return FBlockEnd; }
    void SetBlockEnd(std::string s) { FBlockEnd = std::move(s); }
    const std::string& Filter() const { return FFilter; }
    void SetFilter(std::string s) { FFilter = std::move(s); }
    const std::string& DefaultExtension() const { return FDefaultExtension; }
    void SetDefaultExtension(std::string s) { FDefaultExtension = std::move(s); }
    const std::string& Extensions() const { return FExtensions; }
    void SetExtensions(std::string s) { FExtensions = std::move(s); }
    const std::string& Description() const { return FDescription; }
    void SetDescription(std::string s) { FDescription = std::move(s); }
    const std::string& StylerName() const { return FStylerName; }
    void SetStylerName(std::string s) { FStylerName = std::move(s); }
    TRegionDefinitions& RegionDefinitions() { return FRegionDefinitions; }
    const TRegionDefinitions& RegionDefinitions() const { return FRegionDefinitions; }

    // Decides where in a line a keyword is styled as one: given the whole line and the keyword's
    // 0-based column and length. Without a filter every keyword is. The answer must depend on
    // the line's text alone, as painting keeps what it learnt of a line until the line changes.
    using TKeywordFilter = std::function<bool(std::string_view line, int column, int length)>;
    void SetKeywordFilter(TKeywordFilter filter) { FKeywordFilter = std::move(filter); }
    bool KeywordAllowed(std::string_view line, int column, int length) const {
        return !FKeywordFilter || FKeywordFilter(line, column, length);
    }

    // The end of configuring the styler from a stored description: when no default item was
    // ever destroyed (the description held no style list), the style list is emptied.
    void Loaded();

    // Registers an editor to be told (TCodeCustomMemo::StylerDestroyed) when this styler goes.
    void FreeNotification(TCodeCustomMemo* memo);
    void RemoveFreeNotification(TCodeCustomMemo* memo);

private:
    TElementStyles FAllStyles{this};
    std::string FLineComment;
    std::string FMultiCommentLeft;
    std::string FMultiCommentRight;
    TCharStyle FCommentStyle{clSilver, clWhite, fsItalic};
    TCharStyle FNumberStyle{clNavy, clWhite, fsBold};
    TStringList FAutoCompletion;
    THintParameter FHintParameter;
    std::string FNumberChars = "+-.0123456789";
    std::string FHexIdentifier;
    std::string FBlockEnd;
    std::string FBlockStart;
    std::string FFilter;
    std::string FDefaultExtension;
    std::string FExtensions;
    std::string FDescription;
    std::string FStylerName;
    TRegionDefinitions FRegionDefinitions;
    TKeywordFilter FKeywordFilter;
    std::vector<TCodeCustomMemo*> FNotified;
};
