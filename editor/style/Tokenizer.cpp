// The tokenizing pass, the run collector and the line-start state.
#include "editor/style/Tokenizer.h"

#include "editor/style/CharCase.h"
#include "editor/style/CodeStyleIF.h"

#include <algorithm>
#include <cstring>
#include <limits>

TScanState SaveScanState(const ScanState& state) {
    TScanState saved;
    std::memcpy(saved.Values, &state, sizeof saved.Values);
    return saved;
}

ScanState LoadScanState(const TScanState& saved) {
    ScanState state;
    std::memcpy(&state, saved.Values, sizeof saved.Values);
    return state;
}

namespace {

bool IsUrlDelimiter(char c) {
    return c == ' ' || c == '"' || c == '\'' || c == ',';
}

bool StartsWith(std::string_view s, std::string_view prefix) {
    return !prefix.empty() && s.size() >= prefix.size() && s.substr(0, prefix.size()) == prefix;
}

// Calls f for every piece of line, in order.
template <typename F> void ForEachPiece(std::string_view line, bool urlAware, F&& f) {
    if (!urlAware) {
        if (!line.empty())
            f(line);
        return;
    }
    std::size_t start = 0;
    while (start < line.size()) {
        bool delimiter = IsUrlDelimiter(line[start]);
        std::size_t end = start + 1;
        while (end < line.size() && IsUrlDelimiter(line[end]) == delimiter)
            ++end;
        if (!f(line.substr(start, end - start)))
            return;
        start = end;
    }
}

void ClearRunFlags(ScanState& s) {
    s.IsNumber = s.IsKeyword = s.IsSymbol = s.IsUrl = false;
}

} // namespace

std::vector<std::string_view> SplitPieces(std::string_view line, bool urlAware) {
    std::vector<std::string_view> pieces;
    ForEachPiece(line, urlAware, [&](std::string_view piece) {
        pieces.push_back(piece);
        return true;
    });
    return pieces;
}

bool IsUrlPiece(std::string_view piece, bool urlAware) {
    if (!urlAware)
        return false;
    static const char* const prefixes[] = {"http://",  "mailto:", "www.",
                                           "https://", "ftp://",  "nntp://"};
    std::string head = AnsiLowerCase(piece.substr(0, 8));
    for (const char* prefix : prefixes)
        if (StartsWith(head, prefix))
            return true;
    return false;
}

// Merges emissions of equal state into runs and hands each finished run on. It takes up the
// pending run and offset of a cursor and gives them back.
class TLineTokenizer::Collector {
public:
    Collector(std::string_view line, const TTokenizeCursor& cursor,
              const std::function<void(const TRun&)>& sink)
        : FLine(line), FPending(cursor.Pending), FOffset(cursor.Offset), FSink(sink) {}

    // The whole line, and where in it the next emission starts.
    std::string_view Line() const { return FLine; }
    int Offset() const { return FOffset; }

    // Emits the next length bytes of the line in state s, then clears s's run flags.
    void Emit(std::size_t length, ScanState& s) {
        auto n = static_cast<int>(length);
        if (s == FPending.State) {
            FPending.Length += n;
        } else {
            Flush();
            FPending = TRun{FOffset, n, s};
        }
        FOffset += n;
        ClearRunFlags(s);
    }
    void Flush() {
        if (FPending.Length > 0)
            FSink(FPending);
        FPending.Length = 0;
    }
    void SaveTo(TTokenizeCursor& cursor) const { cursor.Pending = FPending; }

private:
    std::string_view FLine;
    TRun FPending;
    int FOffset;
    const std::function<void(const TRun&)>& FSink;
};

TLineTokenizer::TLineTokenizer(TCodeCustomMemoStyler* styler, bool urlAware, bool caseSensitive)
    : FStyler(styler), FUrlAware(urlAware), FCaseSensitive(caseSensitive) {
    if (!FStyler)
        return;
    const TElementStyles& styles = FStyler->AllStyles();
    for (int i = 0; i < styles.Count(); ++i) {
        const TElementStyle& item = styles.Items(i);
        switch (item.StyleType()) {
        case stKeyword:
            FKeywordStyles.push_back(i);
            break;
        case stBracket:
            FBrackets.push_back({i, item.BracketStart(), item.BracketEnd()});
            break;
        case stSymbol:
            FSymbols.push_back({i, item.Symbols()});
            FSymbolChars += item.Symbols();
            break;
        }
    }
    FNumberStart = AnsiUpperCase(FStyler->NumberChars()) + AnsiUpperCase(FStyler->HexIdentifier());
    FNumberBody = AnsiUpperCase(FStyler->NumberChars()) + "E";
    FHexPrefix = AnsiUpperCase(FStyler->HexIdentifier());
    FLineComment = FStyler->LineComment();
    FCommentLeft = FStyler->MultiCommentLeft();
    FCommentRight = FStyler->MultiCommentRight();

    auto trigger = [this](const std::string& s) {
        if (!s.empty())
            FScanTrigger[static_cast<unsigned char>(s[0])] = true;
    };
    trigger(FCommentLeft);
    trigger(FCommentRight);
    trigger(FLineComment);
    for (const BracketStyle& b : FBrackets) {
        if (b.Open != 0 && b.Close != 0) {
            FScanTrigger[static_cast<unsigned char>(b.Open)] = true;
            FScanTrigger[static_cast<unsigned char>(b.Close)] = true;
        }
    }
}

int TLineTokenizer::FindKeyword(std::string_view word) const {
    std::string key = FCaseSensitive ? std::string(word) : AnsiLowerCase(word);
    for (int index : FKeywordStyles) {
        TStringList& words = FStyler->AllStyles().Items(index).KeyWords();
        words.SetCaseSensitive(FCaseSensitive);
        if (words.IndexOf(key) >= 0)
            return index;
    }
    return -1;
}

namespace {

// True when the upper-cased start of s is prefix (already upper-cased).
bool StartsWithUpper(std::string_view s, std::string_view prefix) {
    if (prefix.empty() || s.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (AnsiUpperChar(s[i]) != prefix[i])
            return false;
    return true;
}

} // namespace

// rest is the working text from the current position on; a number found is emitted and taken
// off its front.
bool TLineTokenizer::ScanNumber(std::string_view& rest, ScanState& s, Collector& out) const {
    std::string allowed = FNumberBody;
    bool hexAllowed = false;
    std::size_t i = 0;
    if (StartsWithUpper(rest, FHexPrefix)) {
        allowed += "ABCDEF";
        hexAllowed = true;
        i = FHexPrefix.size();
    }
    std::size_t end = i;
    std::size_t firstDot = std::string::npos;
    while (i < rest.size() && allowed.find(AnsiUpperChar(rest[i])) != std::string::npos) {
        if (rest[i] == '.') {
            if (firstDot != std::string::npos) {
                end = firstDot;
                break;
            }
            firstDot = i;
        }
        ++i;
        end = i;
        if (!hexAllowed && i == FHexPrefix.size() && StartsWithUpper(rest, FHexPrefix)) {
            allowed += "ABCDEF";
            hexAllowed = true;
        }
    }
    if (end == 0)
        return false;
    s.IsNumber = true;
    s.IsSymbol = false;
    out.Emit(end, s);
    rest.remove_prefix(end);
    return true;
}

// One piece of a line. The working text W is the piece with its recognised tokens taken out;
// P is the current position in it. The characters of W before P were emitted one by one and are
// never looked at again, so W is held as their number (kept) and the text from P on (rest): a
// token taken out at P is cut off the front of rest. Comment and hex openers are recognised
// where they begin at P.
void TLineTokenizer::TokenizePiece(std::string_view piece, ScanState& s, bool& lineCommentActive,
                                   Collector& out) const {
    if (FUrlAware && s.IsUrl) {
        out.Emit(piece.size(), s);
        return;
    }
    std::string_view rest = piece;
    std::size_t kept = 0;
    bool wordStart = true;
    bool recognised = false;
    bool multiComments = !FCommentLeft.empty() && !FCommentRight.empty();
    auto isSymbolChar = [this](char c) { return FSymbolChars.find(c) != std::string::npos; };

    while (!rest.empty()) {
        if (!recognised)
            wordStart =
                kept == 0 || rest[0] == ' ' || FSymbolChars.empty() || isSymbolChar(rest[0]);
        recognised = false;

        if (!s.InBracket && multiComments) {
            // Inside a comment nothing stands before P: the comment began at the start of the
            // piece or was cut off W with everything before it.
            if (s.InComment && lineCommentActive) {
                out.Emit(kept + rest.size(), s);
                return;
            }
            if (s.InComment) {
                std::size_t pos = rest.find(FCommentRight);
                if (pos == std::string_view::npos) {
                    out.Emit(kept + rest.size(), s);
                    return;
                }
                std::size_t length = pos + FCommentRight.size();
                out.Emit(length, s);
                rest.remove_prefix(length);
                s.InComment = false;
                kept = 0;
                if (rest.empty())
                    return;
            } else if (rest.starts_with(FCommentLeft)) {
                rest.remove_prefix(FCommentLeft.size());
                kept = 0;
                s.InComment = true;
                out.Emit(FCommentLeft.size(), s);
                if (rest.empty())
                    return;
                recognised = true;
            }
        }

        if (!recognised && !s.InComment) {
            if (!s.InBracket && !FLineComment.empty() && rest.starts_with(FLineComment)) {
                s.InComment = true;
                lineCommentActive = true;
                out.Emit(rest.size(), s);
                return;
            }
            if (s.InBracket && s.OpenChar != 0) {
                if (rest[0] == s.CloseChar) {
                    out.Emit(1, s);
                    rest.remove_prefix(1);
                    s.InBracket = false;
                    wordStart = false;
                    recognised = true;
                    continue;
                }
                out.Emit(1, s);
                ++kept;
                rest.remove_prefix(1);
                if (rest.empty())
                    return;
                recognised = true;
            } else {
                s.OpenChar = s.CloseChar = 0;
                for (const BracketStyle& b : FBrackets) {
                    s.CloseChar = b.Close;
                    s.OpenChar = b.Open;
                    s.StyleIndex = b.Index;
                    if (s.CloseChar != 0 && s.OpenChar != 0 && rest[0] == s.OpenChar) {
                        s.InBracket = true;
                        break;
                    }
                }
                if (s.InBracket) {
                    out.Emit(1, s);
                    rest.remove_prefix(1);
                    continue;
                }
            }
        }

        if (rest.empty())
            return;

        if (!recognised) {
            for (const SymbolStyle& sym : FSymbols) {
                if (sym.Symbols.find(rest[0]) != std::string::npos) {
                    s.IsSymbol = true;
                    s.StyleIndex = sym.Index;
                    out.Emit(1, s);
                    rest.remove_prefix(1);
                    wordStart = true;
                    recognised = true;
                    break;
                }
            }
        }
        if (recognised)
            continue;

        if (wordStart && FNumberStart.find(AnsiUpperChar(rest[0])) != std::string::npos &&
            ScanNumber(rest, s, out)) {
            recognised = true;
            wordStart = false;
            continue;
        }
        if (rest.empty())
            return;

        // Only a word at a word start can be a keyword, so only then is its end looked for.
        if (wordStart) {
            std::size_t end = 1;
            while (end < rest.size() && rest[end] != ' ' && rest[end] != ':' && rest[end] != ';' &&
                   !isSymbolChar(rest[end]))
                ++end;
            int index = FindKeyword(rest.substr(0, end));
            if (index >= 0 &&
                FStyler->KeywordAllowed(out.Line(), out.Offset(), static_cast<int>(end))) {
                s.IsKeyword = true;
                s.StyleIndex = index;
                out.Emit(end, s);
                rest.remove_prefix(end);
                recognised = true;
            }
        }
        if (!recognised) {
            out.Emit(1, s);
            ++kept;
            rest.remove_prefix(1);
        }
    }
}

TTokenizeCursor TLineTokenizer::StartOfLine(const ScanState& state) {
    TTokenizeCursor cursor;
    cursor.State = state;
    cursor.Pending = TRun{0, 0, state};
    return cursor;
}

void TLineTokenizer::Advance(std::string_view line, TTokenizeCursor& cursor, int stopBefore,
                             const std::function<void(const TRun&)>& sink) const {
    if (cursor.Done)
        return;
    Collector out(line, cursor, sink);
    ScanState& state = cursor.State;
    auto from = static_cast<std::size_t>(cursor.Offset);
    bool ended = true;
    ForEachPiece(line.substr(from), FUrlAware, [&](std::string_view piece) {
        if (cursor.Offset >= stopBefore) {
            ended = false;
            return false;
        }
        state.IsUrl = IsUrlPiece(piece, FUrlAware);
        if (FStyler)
            TokenizePiece(piece, state, cursor.LineCommentActive, out);
        else
            out.Emit(piece.size(), state);
        cursor.Offset += static_cast<int>(piece.size());
        return true;
    });
    if (!ended) {
        out.SaveTo(cursor);
        return;
    }
    if (FStyler) {
        ClearRunFlags(state);
        if (cursor.LineCommentActive)
            state.InComment = false;
    }
    out.Flush();
    out.SaveTo(cursor);
    cursor.Done = true;
}

void TLineTokenizer::TokenizeLine(std::string_view line, ScanState& state,
                                  const std::function<void(const TRun&)>& sink) const {
    TTokenizeCursor cursor = StartOfLine(state);
    Advance(line, cursor, std::numeric_limits<int>::max(), sink);
    state = cursor.State;
}

void TLineTokenizer::ScanLine(std::string_view line, ScanState& s) const {
    if (FCommentLeft.empty() || FCommentRight.empty())
        return;
    if (std::none_of(line.begin(), line.end(),
                     [this](char c) { return FScanTrigger[static_cast<unsigned char>(c)]; }))
        return;
    bool lineCommentSeen = false;
    ForEachPiece(line, FUrlAware, [&](std::string_view piece) {
        if (IsUrlPiece(piece, FUrlAware))
            return true;
        std::size_t k = 0;
        while (k < piece.size()) {
            if (!s.InComment && !s.InBracket && StartsWith(piece.substr(k), FCommentLeft)) {
                s.InComment = true;
                k += FCommentLeft.size();
            }
            if (s.InComment && !s.InBracket && StartsWith(piece.substr(k), FCommentRight)) {
                s.InComment = false;
                k += FCommentRight.size();
            }
            if (!s.InComment && !s.InBracket && StartsWith(piece.substr(k), FLineComment)) {
                lineCommentSeen = true;
                return false;
            }
            if (!s.InComment && k < piece.size()) {
                for (const BracketStyle& b : FBrackets) {
                    if (b.Open == 0 || b.Close == 0)
                        continue;
                    if (!s.InBracket) {
                        s.OpenChar = b.Open;
                        s.CloseChar = b.Close;
                        s.StyleIndex = b.Index;
                    }
                    if (piece[k] == s.OpenChar || piece[k] == s.CloseChar) {
                        s.InBracket = !s.InBracket;
                        break;
                    }
                }
            }
            ++k;
        }
        return !lineCommentSeen;
    });
}

ScanState LineStartState(TCodeMemoStrings& lines, int n, const TLineTokenizer& tokenizer,
                         int& checkpointLimit) {
    ScanState state;
    int count = lines.Count();
    if (count == 0 || !tokenizer.StylerUsed())
        return state;
    n = std::clamp(n, 0, count - 1);

    int base = 0;
    for (int line = std::min(n - 1, checkpointLimit); line >= 0; --line) {
        const TLineProp* prop = lines.GetLineProp(line);
        if (prop && prop->SavedStyleStateValid) {
            base = line;
            state = LoadScanState(prop->SavedStyleState);
            break;
        }
    }
    auto store = [&](int line, TLineProp* prop) {
        if (!prop)
            prop = lines.CreateLineProp(line);
        prop->SavedStyleState = SaveScanState(state);
        prop->SavedStyleStateValid = true;
    };
    for (int line = base; line < n; ++line) {
        std::string_view text = lines.Line(line);
        TLineProp* prop = lines.GetLineProp(line);
        bool saved = prop && prop->SavedStyleStateValid;
        bool stale = saved && line > checkpointLimit;
        if (stale || (!saved && !text.empty() && line % 20 == 0))
            store(line, prop);
        tokenizer.ScanLine(text, state);
    }
    store(n, lines.GetLineProp(n));
    checkpointLimit = std::max(checkpointLimit, n);
    return state;
}
