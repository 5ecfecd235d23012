// TCodePascalMemoStyler's defaults and the workbench's styler configuration.
#include "editor/style/CodePasStyler.h"

#include "editor/style/CharCase.h"

#include <algorithm>

namespace {

const char* const PascalKeywords[] = {
    "UNIT",        "INTERFACE",  "IMPLEMENTATION",
    "USES",        "CONST",      "PROGRAM",
    "PRIVATE",     "PUBLIC",     "PUBLISHED",
    "PROTECTED",   "PROPERTY",   "FUNCTION",
    "FINALISE",    "INITIALISE", "VAR",
    "BEGIN",       "WITH",       "END",
    "FOR",         "TO",         "DO",
    "NOT",         "IF",         "THEN",
    "ELSE",        "CLASS",      "TYPE",
    "WHILE",       "REPEAT",     "UNTIL",
    "BREAK",       "CONTINUE",   "VIRTUAL",
    "OVERRIDE",    "DEFAULT",    "CLASS",
    "STORED",      "INHERITED",  "PROCEDURE",
    "CONSTRUCTOR", "DESTRUCTOR", "PROGRAM",
    "FINALLY",     "RAISE",      "STRING",
    "TRY",         "EXCEPT",     "STDCALL",
    "CDECL",       "PASCAL",     "NIL",
    "CASE",
};

const char* const SignatureShowMessage = "ShowMessage(const Msg: string);";
const char* const SignatureMessageDlg = "MessageDlg(const Msg: string; DlgType: TMsgDlgType; "
                                        "Buttons: TMsgDlgButtons; HelpCtx: Longint): Integer);";

const TRegionDefinitions DefaultRegions = {
    {"procedure", "begin", "end", rtClosed, false},
    {"interface", "interface", "", rtOpen, false},
    {"unit", "unit", "", rtFile, false},
    {"implementation", "implementation", "", rtOpen, false},
    {"case", "case", "end", rtIgnore, false},
    {"try", "try", "end", rtIgnore, false},
    {"function", "begin", "end", rtClosed, false},
    {"{$region", "{$region", "{$endregion", rtClosed, false},
};

// The 22 delimiters of the default symbol style: space , ; : . ( ) { } [ ] = - * / ^ % < > # CR LF.
const char DefaultDelimiters[] = " ,;:.(){}[]=-*/^%<>#\r\n";

TElementStyle& AddStyle(TCodeCustomMemoStyler& styler, const char* info, TStyleType type,
                        TColor color, TFontStyles style) {
    TElementStyle& item = styler.AllStyles().Add();
    item.SetInfo(info);
    item.SetStyleType(type);
    item.Font().Color = color;
    item.Font().Style = style;
    return item;
}

void SetSharedDefaults(TCodeCustomMemoStyler& styler) {
    styler.SetDescription("Pascal");
    styler.SetStylerName("Pascal");
    styler.SetDefaultExtension(".pas");
    styler.SetExtensions("pas;dpr;dpk;inc");
    styler.SetFilter("Pascal Files (*.pas,*.dpr,*.dpk,*.inc)|*.pas;*.dpr;*.dpk;*.inc");
    styler.SetLineComment("//");
    styler.SetMultiCommentLeft("{");
    styler.SetMultiCommentRight("}");
    styler.SetBlockStart("begin");
    styler.SetBlockEnd("end");
    styler.SetHexIdentifier("$");
    THintParameter& hint = styler.HintParameter();
    hint.Parameters.Clear();
    hint.Parameters.Add(SignatureShowMessage);
    hint.Parameters.Add(SignatureMessageDlg);
    styler.AutoCompletion().Clear();
    styler.AutoCompletion().Add("ShowMessage");
    styler.AutoCompletion().Add("MessageDlg");
    styler.RegionDefinitions() = DefaultRegions;
}

} // namespace

TCodePascalMemoStyler::TCodePascalMemoStyler() {
    SetSharedDefaults(*this);
    CommentStyle() = TCharStyle(clNavy, clWhite, fsItalic);
    NumberStyle() = TCharStyle(clFuchsia, clWhite, fsBold);

    TElementStyle& keywords =
        AddStyle(*this, "Pascal Standard Default", stKeyword, clGreen, fsBold);
    for (const char* word : PascalKeywords)
        keywords.KeyWords().Add(word);
    TElementStyle& single = AddStyle(*this, "Simple Quote", stBracket, clBlue, 0);
    single.SetBracketStart('\'');
    single.SetBracketEnd('\'');
    TElementStyle& dbl = AddStyle(*this, "Double Quote", stBracket, clBlue, 0);
    dbl.SetBracketStart('"');
    dbl.SetBracketEnd('"');
    TElementStyle& symbols = AddStyle(*this, "Symbols Delimiters", stSymbol, clRed, 0);
    symbols.SetSymbols(std::string(DefaultDelimiters, sizeof DefaultDelimiters - 1));
}

void ConfigureWorkbenchStyler(TCodePascalMemoStyler& styler,
                              const std::vector<std::string>& commandWords) {
    SetSharedDefaults(styler);
    styler.CommentStyle() = TCharStyle(clNavy, clWhite, fsItalic);
    styler.NumberStyle() = TCharStyle(clBlack, clWhite, 0);
    THintParameter& hint = styler.HintParameter();
    hint.TextColor = clBlack;
    hint.BkColor = clInfoBk;
    hint.HintCharStart = '(';
    hint.HintCharEnd = ')';
    hint.HintCharDelimiter = ';';
    hint.HintCharWriteDelimiter = ',';

    // As a stored style list is read: the default items go, the stored ones come.
    styler.AllStyles().Clear();
    auto add = [&](const char* info, TStyleType type, TColor color, TFontStyles style) -> auto& {
        TElementStyle& item = AddStyle(styler, info, type, color, style);
        item.Font().Name = "Courier New";
        item.Font().Height = -11;
        item.SetBGColor(clWhite);
        return item;
    };
    TElementStyle& keywords = add("Pascal Standard Default", stKeyword, clGreen, fsBold);
    std::vector<std::string> words = commandWords;
    std::stable_sort(words.begin(), words.end(), [](const std::string& a, const std::string& b) {
        return AnsiCompareText(a, b) < 0;
    });
    for (const std::string& word : words)
        keywords.KeyWords().Add(word);
    add("Simple Quote", stSymbol, clGreen, 0).SetSymbols("x");
    add("Double Quote", stBracket, clBlue, 0); // both bracket characters 0: never matches
    add("Symbols Delimiters", stSymbol, clRed, 0).SetSymbols("_");
    styler.Loaded();
}
