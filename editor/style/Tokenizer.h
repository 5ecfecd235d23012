// The line tokenizer: cuts a line of program text into styled runs by the bound styler's rules,
// carrying the comment and bracket state from line to line, and finds the state at the start
// of any line from checkpoints saved every 20 lines in the line property records.
#pragma once

#include "editor/buffer/LineStore.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class TCodeCustomMemoStyler;

// The tokenizer's state: eight single-byte fields and one 32-bit integer.
struct ScanState {
    bool InComment = false; // inside a multi-line comment, or after a line comment
    bool InBracket = false; // inside a bracketed run
    bool IsNumber = false;  // these four describe the run being emitted
    bool IsKeyword = false;
    bool IsSymbol = false;
    bool IsUrl = false;
    char CloseChar = 0;
    char OpenChar = 0;
    std::int32_t StyleIndex = -1; // the current run's style in the styler's AllStyles, or -1
    bool operator==(const ScanState&) const = default;
};
static_assert(sizeof(ScanState) == sizeof(TScanState), "a checkpoint holds one ScanState");

TScanState SaveScanState(const ScanState& state);
ScanState LoadScanState(const TScanState& saved);

// Maximal stretches of URL delimiters (space, double quote, single quote, comma) and of other
// characters, in order; the whole line when urlAware is false.
std::vector<std::string_view> SplitPieces(std::string_view line, bool urlAware);
// True when urlAware and the piece begins (in any case) with a link prefix.
bool IsUrlPiece(std::string_view piece, bool urlAware);

// A finished run: Length bytes of the line from Offset, all in the style of State.
struct TRun {
    int Offset = 0;
    int Length = 0;
    ScanState State;
    bool operator==(const TRun&) const = default;
};

// Where the tokenizing of one line stands between two of its pieces. Going on from a cursor
// hands on exactly the runs, and ends in exactly the state, that tokenizing the whole line
// from its start would.
struct TTokenizeCursor {
    int Offset = 0;  // where the next piece starts
    ScanState State; // the state before that piece
    bool LineCommentActive = false;
    TRun Pending;      // the run still being formed, not yet handed on
    bool Done = false; // the line is finished: State is the next line's start state
    bool operator==(const TTokenizeCursor&) const = default;
};

class TLineTokenizer {
public:
    // styler null: no styler is used, and every piece is one run.
    TLineTokenizer(TCodeCustomMemoStyler* styler, bool urlAware, bool caseSensitive);

    // What decides the runs of a line besides its text and start state.
    struct TRules {
        const TCodeCustomMemoStyler* Styler = nullptr;
        bool UrlAware = false;
        bool CaseSensitive = false;
        bool operator==(const TRules&) const = default;
    };
    TRules Rules() const { return TRules{FStyler, FUrlAware, FCaseSensitive}; }

    bool StylerUsed() const { return FStyler != nullptr; }
    const std::string& SymbolChars() const { return FSymbolChars; }
    const std::string& NumberStart() const { return FNumberStart; }
    const std::string& NumberBody() const { return FNumberBody; }
    const std::string& HexPrefix() const { return FHexPrefix; }

    // Tokenizes line from state, which is left as the state at the start of the next line,
    // and hands every finished run to sink in order. Emissions of equal state form one run.
    void TokenizeLine(std::string_view line, ScanState& state,
                      const std::function<void(const TRun&)>& sink) const;
    // A cursor at the start of a line that begins in state.
    static TTokenizeCursor StartOfLine(const ScanState& state);
    // Goes on tokenizing line from cursor, whole piece by whole piece, while the next piece
    // starts before stopBefore, handing every finished run to sink. At the end of the line it
    // hands on the pending run and finishes the state, and cursor.Done is set.
    void Advance(std::string_view line, TTokenizeCursor& cursor, int stopBefore,
                 const std::function<void(const TRun&)>& sink) const;
    // Carries state over line the way the line-start scan does, without forming runs.
    void ScanLine(std::string_view line, ScanState& state) const;

private:
    class Collector;
    void TokenizePiece(std::string_view piece, ScanState& s, bool& lineCommentActive,
                       Collector& out) const;
    bool ScanNumber(std::string_view& rest, ScanState& s, Collector& out) const;
    int FindKeyword(std::string_view word) const;

    struct BracketStyle {
        int Index;
        char Open;
        char Close;
    };
    struct SymbolStyle {
        int Index;
        std::string Symbols;
    };

    TCodeCustomMemoStyler* FStyler;
    bool FUrlAware;
    bool FCaseSensitive;
    std::string FSymbolChars;
    std::string FNumberStart;
    std::string FNumberBody;
    std::string FHexPrefix;
    std::string FLineComment;
    std::string FCommentLeft;
    std::string FCommentRight;
    std::vector<BracketStyle> FBrackets; // every bracket style, in list order
    std::vector<SymbolStyle> FSymbols;
    std::vector<int> FKeywordStyles;
    // Bytes that can change the line-start state; a line without any keeps it.
    std::array<bool, 256> FScanTrigger{};
};

// The state at the start of line n: from the nearest current checkpoint above it (else from
// line 0), storing checkpoints on the way at non-empty lines that are multiples of 20, and at
// line n. checkpointLimit is the editor's: checkpoints of lines beyond it are stale and are
// rewritten when the scan passes them; afterwards it covers line n.
ScanState LineStartState(TCodeMemoStrings& lines, int n, const TLineTokenizer& tokenizer,
                         int& checkpointLimit);
