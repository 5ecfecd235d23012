// The tokenizing pass, the run collector and the line-start state.
#include "editor/Tokenizer.h"

#include "editor/CharCase.h"
#include "editor/CodeStyleIF.h"

#include <algorithm>
#include <cstring>

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

// Merges emissions of equal state into runs and hands each finished run on.
class TLineTokenizer::Collector {
public:
    Collector(const ScanState& lineStart, const std::function<void(const TRun&)>& sink)
        : FPending{0, 0, lineStart}, FSink(sink) {}

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

private:
    TRun FPending;
    int FOffset = 0;
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

int TLineTokenizer::FindKeyword(const std::string& word) const {
    std::string key = FCaseSensitive ? word : AnsiLowerCase(word);
    for (int index : FKeywordStyles) {
        TStringList& words = FStyler->AllStyles().Items(index).KeyWords();
        words.SetCaseSensitive(FCaseSensitive);
        if (words.IndexOf(key) >= 0)
            return index;
    }
    return -1;
}

bool TLineTokenizer::ScanNumber(std::string& w, std::size_t p, ScanState& s, Collector& out) const {
    std::string allowed = FNumberBody;
    bool hexAllowed = false;
    std::size_t i = p;
    if (!FHexPrefix.empty() &&
        AnsiUpperCase(std::string_view(w).substr(p)).rfind(FHexPrefix, 0) == 0) {
        allowed += "ABCDEF";
        hexAllowed = true;
        i = p + FHexPrefix.size();
    }
    std::size_t end = i;
    std::size_t firstDot = std::string::npos;
    while (i < w.size() && allowed.find(AnsiUpperChar(w[i])) != std::string::npos) {
        if (w[i] == '.') {
            if (firstDot != std::string::npos) {
                end = firstDot;
                break;
            }
            firstDot = i;
        }
        ++i;
        end = i;
        if (!hexAllowed && !FHexPrefix.empty() &&
            AnsiUpperCase(std::string_view(w).substr(p, i - p)) == FHexPrefix) {
            allowed += "ABCDEF";
            hexAllowed = true;
        }
    }
    if (end == p)
        return false;
    s.IsNumber = true;
    s.IsSymbol = false;
    out.Emit(end - p, s);
    w.erase(p, end - p);
    return true;
}

// One piece of a line. W is the piece with its recognised tokens removed; P its position (here
// 0-based). Comment and hex openers are recognised where they begin at P.
void TLineTokenizer::TokenizePiece(std::string_view piece, ScanState& s, bool& lineCommentActive,
                                   Collector& out) const {
    if (FUrlAware && s.IsUrl) {
        out.Emit(piece.size(), s);
        return;
    }
    std::string w(piece);
    std::size_t p = 0;
    bool wordStart = true;
    bool recognised = false;
    bool multiComments = !FCommentLeft.empty() && !FCommentRight.empty();
    auto isSymbolChar = [this](char c) { return FSymbolChars.find(c) != std::string::npos; };

    while (!w.empty() && p < w.size()) {
        if (!recognised)
            wordStart = p == 0 || w[p] == ' ' || FSymbolChars.empty() || isSymbolChar(w[p]);
        recognised = false;

        if (!s.InBracket && multiComments) {
            if (s.InComment && lineCommentActive) {
                out.Emit(w.size(), s);
                return;
            }
            if (s.InComment) {
                std::size_t pos = w.find(FCommentRight);
                if (pos == std::string::npos) {
                    out.Emit(w.size(), s);
                    return;
                }
                std::size_t length = pos + FCommentRight.size();
                out.Emit(length, s);
                w.erase(0, length);
                s.InComment = false;
                p = 0;
                if (w.empty())
                    return;
            } else if (w.compare(p, FCommentLeft.size(), FCommentLeft) == 0) {
                w.erase(0, p + FCommentLeft.size());
                s.InComment = true;
                out.Emit(FCommentLeft.size(), s);
                if (w.empty())
                    return;
                recognised = true;
                p = 0;
            }
        }

        if (!recognised && !s.InComment) {
            if (!s.InBracket && !FLineComment.empty() &&
                w.compare(p, FLineComment.size(), FLineComment) == 0) {
                s.InComment = true;
                lineCommentActive = true;
                out.Emit(w.size() - p, s);
                return;
            }
            if (s.InBracket && s.OpenChar != 0) {
                if (w[p] == s.CloseChar) {
                    out.Emit(1, s);
                    w.erase(p, 1);
                    s.InBracket = false;
                    wordStart = false;
                    recognised = true;
                    continue;
                }
                out.Emit(1, s);
                ++p;
                if (p >= w.size())
                    return;
                recognised = true;
            } else {
                s.OpenChar = s.CloseChar = 0;
                for (const BracketStyle& b : FBrackets) {
                    s.CloseChar = b.Close;
                    s.OpenChar = b.Open;
                    s.StyleIndex = b.Index;
                    if (s.CloseChar != 0 && s.OpenChar != 0 && w[p] == s.OpenChar) {
                        s.InBracket = true;
                        break;
                    }
                }
                if (s.InBracket) {
                    out.Emit(1, s);
                    w.erase(p, 1);
                    continue;
                }
            }
        }

        if (w.empty() || p >= w.size())
            return;

        if (!recognised) {
            for (const SymbolStyle& sym : FSymbols) {
                if (sym.Symbols.find(w[p]) != std::string::npos) {
                    s.IsSymbol = true;
                    s.StyleIndex = sym.Index;
                    out.Emit(1, s);
                    w.erase(p, 1);
                    wordStart = true;
                    recognised = true;
                    break;
                }
            }
        }
        if (recognised)
            continue;

        if (wordStart && FNumberStart.find(AnsiUpperChar(w[p])) != std::string::npos &&
            ScanNumber(w, p, s, out)) {
            recognised = true;
            wordStart = false;
            continue;
        }
        if (w.empty() || p >= w.size())
            return;

        std::size_t end = p + 1;
        while (end < w.size() && w[end] != ' ' && w[end] != ':' && w[end] != ';' &&
               !isSymbolChar(w[end]))
            ++end;
        if (wordStart) {
            int index = FindKeyword(w.substr(p, end - p));
            if (index >= 0) {
                s.IsKeyword = true;
                s.StyleIndex = index;
                out.Emit(end - p, s);
                w.erase(p, end - p);
                recognised = true;
            }
        }
        if (!recognised) {
            out.Emit(1, s);
            ++p;
        }
    }
}

void TLineTokenizer::TokenizeLine(std::string_view line, ScanState& state,
                                  const std::function<void(const TRun&)>& sink) const {
    Collector out(state, sink);
    if (!FStyler) {
        ForEachPiece(line, FUrlAware, [&](std::string_view piece) {
            state.IsUrl = IsUrlPiece(piece, FUrlAware);
            out.Emit(piece.size(), state);
            return true;
        });
        out.Flush();
        return;
    }
    bool lineCommentActive = false;
    ForEachPiece(line, FUrlAware, [&](std::string_view piece) {
        state.IsUrl = IsUrlPiece(piece, FUrlAware);
        TokenizePiece(piece, state, lineCommentActive, out);
        return true;
    });
    ClearRunFlags(state);
    if (lineCommentActive)
        state.InComment = false;
    out.Flush();
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
