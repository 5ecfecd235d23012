// The line tokenizer with the workbench's styler: runs of each kind, comments across lines,
// links, numbers, the line-start state from checkpoints, and the cursors kept along long lines.
#include "PaintFixtures.h"

#include "editor/style/LongLineScans.h"
#include "editor/style/Tokenizer.h"

#include <gtest/gtest.h>

#include <random>

namespace {

char Kind(const ScanState& s) {
    if (s.InComment && !s.IsUrl)
        return 'C';
    if (s.IsUrl)
        return 'U';
    if (s.IsNumber)
        return 'N';
    if (s.IsSymbol)
        return 'S';
    if (s.IsKeyword)
        return 'K';
    if (s.InBracket)
        return 'B';
    return 'P';
}

// The runs of each line as "K:goto S:_ N:0010", adjacent runs of one kind joined; lines are
// separated by " | ".
std::string Runs(TCodeCustomMemoStyler* styler, const std::vector<std::string>& lines,
                 bool urlAware = true) {
    TLineTokenizer tokenizer(styler, urlAware, false);
    ScanState state;
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            out += " |";
        char last = 0;
        tokenizer.TokenizeLine(lines[i], state, [&](const TRun& run) {
            char kind = Kind(run.State);
            std::string text = lines[i].substr(static_cast<std::size_t>(run.Offset),
                                               static_cast<std::size_t>(run.Length));
            if (kind == last) {
                out += text;
            } else {
                out += std::string(" ") + kind + ":" + text;
                last = kind;
            }
        });
    }
    return out.empty() ? out : out.substr(1);
}

class WorkbenchTokens : public ::testing::Test {
protected:
    WorkbenchEditor Ed;
};

TEST_F(WorkbenchTokens, LinesOfCommands) {
    struct Case {
        std::vector<std::string> Lines;
        const char* Expected;
    } table[] = {
        {{"goto_0010"}, "K:goto S:_ N:0010"},
        {{"10xpause_05"}, "N:10 S:x K:pause S:_ N:05"},
        {{"portdwrite_FF"}, "K:portdwrite S:_ P:FF"},
        {{"nop pause"}, "K:nop P:  K:pause"},
        {{"NOP"}, "K:NOP"},
        {{"Pause_64"}, "K:Pause S:_ N:64"},
        {{"nopx"}, "K:nop S:x"},
        {{"anop"}, "P:anop"},
        {{"lcdl1"}, "K:lcdl1"},
        {{"-5"}, "N:-5"},
        {{"+.5"}, "N:+.5"},
        {{"1.2.3"}, "N:1 P:.2.3"},
        {{"-"}, "N:-"},
        {{"1E5 E5"}, "N:1E5 P: E5"},
        {{"$FF $"}, "N:$FF P:  N:$"},
        {{"incd;nop:stop"}, "K:incd P:;nop:stop"},
        {{"pause_64 // wait"}, "K:pause S:_ N:64 P:  C:// wait"},
        {{""}, ""},
    };
    for (const Case& c : table) {
        SCOPED_TRACE(c.Lines[0]);
        EXPECT_EQ(Runs(&Ed.Styler, c.Lines), c.Expected);
    }
}

// The workbench paints a word as a command only where the compile reads one.
TEST(CommandStyler, PaintsOnlyTheCommandTheCompileReads) {
    TCodePascalMemoStyler styler;
    ConfigureCommandStyler(styler);
    struct Case {
        const char* Line;
        const char* Expected;
    } table[] = {
        {"pause_64", "K:pause S:_ N:64"},
        {"  10xpause_05", "P:   N:10 S:x K:pause S:_ N:05"},
        {"PAUSE_64", "P:PAUSE S:_ N:64"},
        {"Stop", "P:Stop"},
        {"alloffd pause_10", "K:alloffd P: pause S:_ N:10"},
        {"nop pause", "K:nop P: pause"},
        {"\xCF\xE0\xF3\xE7\xE0 pause_10", "P:\xCF\xE0\xF3\xE7\xE0 pause S:_ N:10"},
        {"pause_loop:", "K:pause S:_ P:loop:"},
        {"nopx", "K:nop S:x"},
    };
    for (const Case& c : table) {
        SCOPED_TRACE(c.Line);
        EXPECT_EQ(Runs(&styler, {c.Line}), c.Expected);
    }
}

TEST_F(WorkbenchTokens, CommentsAcrossLines) {
    struct Case {
        std::vector<std::string> Lines;
        const char* Expected;
    } table[] = {
        {{"// nop", "nop"}, "C:// nop | K:nop"},
        {{"// a } b", "stop"}, "C:// a } b | K:stop"},
        {{"nop {start", "goto_0010", "end} stop"},
         "K:nop P:  C:{start | C:goto_0010 | C:end} P:  K:stop"},
        {{"{a}nop"}, "C:{a} K:nop"},
        {{"{ www.x.ru/} nop", "}"}, "C:{  U:www.x.ru/} C: nop | C:}"},
        {{"http://a.ru{ nop"}, "U:http://a.ru{ P:  K:nop"},
        {{"{", "", "}nop"}, "C:{ | | C:} K:nop"},
        {{"{}{{", "nop"}, "C:{} P:{ C:{ | C:nop"},
    };
    for (const Case& c : table) {
        SCOPED_TRACE(c.Lines[0]);
        EXPECT_EQ(Runs(&Ed.Styler, c.Lines), c.Expected);
    }
}

TEST_F(WorkbenchTokens, EmptyLineKeepsTheState) {
    TLineTokenizer tokenizer(&Ed.Styler, true, false);
    for (bool inComment : {false, true}) {
        ScanState state;
        state.InComment = inComment;
        state.StyleIndex = 3;
        ScanState before = state;
        int runs = 0;
        tokenizer.TokenizeLine("", state, [&](const TRun&) { ++runs; });
        EXPECT_EQ(runs, 0);
        EXPECT_EQ(state, before);
    }
}

TEST(Tokenizer, PiecesAndLinks) {
    std::vector<std::string_view> expected = {"nop", "  ", "pause", ",", "x"};
    EXPECT_EQ(SplitPieces("nop  pause,x", true), expected);
    EXPECT_EQ(SplitPieces("nop  pause,x", false), std::vector<std::string_view>{"nop  pause,x"});
    EXPECT_EQ(SplitPieces("\"'a", true), (std::vector<std::string_view>{"\"'", "a"}));
    for (const char* url : {"http://a", "HTTPS://a", "mailto:x", "www.", "ftp://f", "nntp://n"})
        EXPECT_TRUE(IsUrlPiece(url, true)) << url;
    for (const char* text : {"http:/a", "ww.a", "xwww.a", ""})
        EXPECT_FALSE(IsUrlPiece(text, true)) << text;
    EXPECT_FALSE(IsUrlPiece("www.a", false));
}

TEST(Tokenizer, WithoutAStylerEveryPieceIsOneRun) {
    EXPECT_EQ(Runs(nullptr, {"goto_0010 www.a.ru {x"}), "P:goto_0010  U:www.a.ru P: {x");
}

TEST(Tokenizer, BracketStyleWithCharacterZeroNeverOpens) {
    TCodePascalMemoStyler styler; // Pascal defaults: quotes open bracketed runs
    EXPECT_EQ(Runs(&styler, {"a 'b c", "d' e"}), "P:a S:  B:'b c | B:d' S:  P:e");
    styler.AllStyles().Items(1).SetBracketStart(0);
    styler.AllStyles().Items(2).SetBracketEnd(0);
    EXPECT_EQ(Runs(&styler, {"'b\""}), "P:'b\"");
}

TEST(Tokenizer, NumberSetsFollowTheStyler) {
    WorkbenchEditor ed;
    TLineTokenizer tokenizer(&ed.Styler, true, false);
    EXPECT_EQ(tokenizer.SymbolChars(), "x_");
    EXPECT_EQ(tokenizer.NumberStart(), "+-.0123456789$");
    EXPECT_EQ(tokenizer.NumberBody(), "+-.0123456789E");
    EXPECT_EQ(tokenizer.HexPrefix(), "$");
    TLineTokenizer none(nullptr, true, false);
    EXPECT_EQ(none.SymbolChars(), "");
    EXPECT_EQ(none.NumberStart(), "");
}

// ---- line-start state ------------------------------------------------------------------------

ScanState ScanFromTop(const TLineTokenizer& tokenizer, const TCodeMemoStrings& lines, int n) {
    ScanState state;
    for (int i = 0; i < n; ++i)
        tokenizer.ScanLine(lines.Line(i), state);
    return state;
}

std::string RandomLine(std::mt19937& rng) {
    static const char* const parts[] = {"{",      "}", "//", "nop", "x",        "_",   " ", "5",
                                        "www.a{", "a", "/",  "}}",  "pause_05", "{x}", ""};
    std::uniform_int_distribution<int> count(0, 6);
    std::uniform_int_distribution<int> pick(0, static_cast<int>(std::size(parts)) - 1);
    std::string line;
    for (int n = count(rng); n > 0; --n)
        line += parts[pick(rng)];
    return line;
}

TEST(LineStartState, CheckpointsAgreeWithAScanFromLineZeroAfterRandomEdits) {
    for (unsigned seed = 1; seed <= 30; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 rng(seed);
        WorkbenchEditor ed;
        TCodeMemoStrings& lines = ed.Memo.Lines();
        lines.Clear();
        for (int i = 0; i < 300; ++i)
            lines.Add(RandomLine(rng));
        TLineTokenizer tokenizer(&ed.Styler, true, false);
        // The checkpoint limit as the editor keeps it: an edit at line i leaves the
        // checkpoints up to i current (up to i - 1 for a removal).
        int limit = -1;
        for (int step = 0; step < 120; ++step) {
            std::uniform_int_distribution<int> lineOf(0, lines.Count() - 1);
            int at = lineOf(rng);
            switch (rng() % 4) {
            case 0:
                lines.Put(at, RandomLine(rng));
                limit = std::min(limit, at);
                break;
            case 1:
                lines.InsertLine(at, RandomLine(rng));
                limit = std::min(limit, at);
                break;
            case 2:
                if (lines.Count() > 1) {
                    lines.RemoveLine(at);
                    limit = std::min(limit, at - 1);
                }
                break;
            default:
                break;
            }
            std::uniform_int_distribution<int> queryOf(0, lines.Count() - 1);
            int n = queryOf(rng);
            ScanState fromCheckpoints = LineStartState(lines, n, tokenizer, limit);
            ASSERT_EQ(fromCheckpoints, ScanFromTop(tokenizer, lines, n)) << "line " << n;
        }
    }
}

TEST(LineStartState, PaintedFlowAgreesWithTheLineStartScan) {
    // The state the painter carries from line to line and the one computed for a top line
    // colour the same text the same way.
    for (unsigned seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 rng(seed);
        WorkbenchEditor ed;
        std::vector<std::string> text;
        for (int i = 0; i < 120; ++i)
            text.push_back(RandomLine(rng));
        ed.SetLines(text);
        TLineTokenizer tokenizer(&ed.Styler, true, false);
        ScanState flow;
        for (int i = 0; i < static_cast<int>(text.size()); ++i) {
            ScanState scanned = ScanFromTop(tokenizer, ed.Memo.Lines(), i);
            ASSERT_EQ(flow.InComment, scanned.InComment) << "line " << i << ": " << text[i];
            ASSERT_EQ(flow.InBracket, scanned.InBracket) << "line " << i;
            tokenizer.TokenizeLine(text[i], flow, [](const TRun&) {});
        }
    }
}

TEST(LineTokenizer, GoingOnFromACursorGivesTheRunsOfTheWholeLine) {
    WorkbenchEditor ed;
    TLineTokenizer tokenizer(&ed.Styler, true, false);
    std::mt19937 rng(3);
    auto record = [](std::vector<std::string>& out) {
        return [&out](const TRun& r) {
            out.push_back(std::to_string(r.Offset) + "+" + std::to_string(r.Length) + ":" +
                          Kind(r.State));
        };
    };
    ScanState whole;
    ScanState stepped;
    for (int i = 0; i < 400; ++i) {
        std::string line = RandomLine(rng);
        std::vector<std::string> expected, got;
        tokenizer.TokenizeLine(line, whole, record(expected));
        TTokenizeCursor cursor = TLineTokenizer::StartOfLine(stepped);
        while (!cursor.Done)
            tokenizer.Advance(line, cursor, cursor.Offset + 1 + static_cast<int>(rng() % 6),
                              record(got));
        stepped = cursor.State;
        ASSERT_EQ(got, expected) << line;
        ASSERT_EQ(stepped, whole) << line;
    }
}

TEST(LineStartState, LaysCheckpointsEveryTwentyNonEmptyLines) {
    WorkbenchEditor ed;
    std::vector<std::string> text(100, "nop");
    text[40] = "";
    text[10] = "{";
    text[70] = "}";
    ed.SetLines(text);
    TLineTokenizer tokenizer(&ed.Styler, true, false);
    int limit = -1;
    ScanState s = LineStartState(ed.Memo.Lines(), 90, tokenizer, limit);
    EXPECT_FALSE(s.InComment);
    EXPECT_EQ(limit, 90);
    for (int line = 0; line < 100; ++line) {
        const TLineProp* prop = ed.Memo.Lines().GetLineProp(line);
        bool expected = (line % 20 == 0 && line != 40) || line == 90;
        EXPECT_EQ(prop && prop->SavedStyleStateValid, expected) << line;
    }
    EXPECT_TRUE(LoadScanState(ed.Memo.Lines().GetLineProp(60)->SavedStyleState).InComment);
    EXPECT_FALSE(LoadScanState(ed.Memo.Lines().GetLineProp(80)->SavedStyleState).InComment);
}

TEST(LineStartState, AnEditAboveMakesLaterCheckpointsStale) {
    WorkbenchEditor ed;
    ed.SetLines(std::vector<std::string>(100, "nop"));
    ed.Memo.SetTopLine(80);
    ed.Paint();
    ASSERT_TRUE(ed.Memo.Lines().GetLineProp(60)->SavedStyleStateValid);
    ed.Memo.Lines().Put(5, "{ opened");
    EXPECT_FALSE(ed.Memo.TopStateCacheValid());
    EXPECT_EQ(ed.Memo.CheckpointLimit(), 5);
    ed.Memo.SetTopLine(81);
    RasterSurface s = ed.Paint();
    auto texts = s.TextsAt(2);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0].Color, clNavy) << "line 81 lies inside the comment opened on line 5";
    EXPECT_EQ(texts[0].Style, fsItalic);
}

// Edits anywhere on a long line, none to three between repaints, and repaints anywhere on it:
// what the kept cursors give colours the view, and starts the next line, as tokenizing the
// whole line does. The line starts without comment marks, so that an edit that types one
// changes the state far after it; odd seeds type no line comment, which would hide the edits
// after it.
TEST(LongLineScans, RepaintsAfterEditsAgreeWithTheWholeLine) {
    WorkbenchEditor ed;
    TLineTokenizer tokenizer(&ed.Styler, true, false);
    constexpr int width = 40;
    static const char* const parts[] = {"nop", "x", "_", " ",      "5",  "www.a",
                                        "a",   "-", "'", "allond", "\"", "pause_05"};
    static const char* const marks[] = {"{", "}", "//"};
    for (unsigned seed = 1; seed <= 3; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 rng(seed);
        std::string text;
        while (text.size() < 40'000)
            text += parts[rng() % std::size(parts)];
        ed.SetLines({text, "stop"});
        TCodeMemoStrings& lines = ed.Memo.Lines();
        TLongLineScans scans;
        for (int step = 0; step < 30; ++step) {
            for (int n = static_cast<int>(rng() % 4); n > 0; --n) {
                auto at = rng() % text.size();
                text.replace(at, std::min<std::size_t>(rng() % 3, text.size() - at),
                             rng() % 3 ? parts[rng() % std::size(parts)]
                                       : marks[rng() % (std::size(marks) - seed % 2)]);
                lines.Put(0, text);
            }
            const auto first = static_cast<int>(rng() % text.size());
            auto columns = [first](std::vector<ScanState>& out) {
                out.assign(width, ScanState{});
                return [&out, first](const TRun& run) {
                    for (int c = std::max(run.Offset, first);
                         c < std::min(run.Offset + run.Length, first + width); ++c)
                        out[static_cast<std::size_t>(c - first)] = run.State;
                };
            };
            std::vector<ScanState> expected, got;
            ScanState whole;
            tokenizer.TokenizeLine(text, whole, columns(expected));
            bool wantEnd = rng() % 2;
            std::optional<ScanState> next =
                TokenizeVisible(tokenizer, text, scans.For(0, {}, lines, tokenizer.Rules()), first,
                                first + width, wantEnd, columns(got));
            ASSERT_TRUE(got == expected) << "step " << step << " at " << first;
            ASSERT_TRUE(!wantEnd || (next && *next == whole)) << "step " << step;
        }
    }
}

// Typing along a long line, each place shown once first: the repaint after a keystroke
// tokenizes from a kept cursor near the view, whatever was typed elsewhere before.
TEST(LongLineScans, TypingAlongALineTokenizesNearTheView) {
    WorkbenchEditor ed;
    std::string body;
    while (body.size() < 200'000)
        body += "allond ";
    ed.SetLines({body});
    TCodeMemoStrings& lines = ed.Memo.Lines();
    TLineTokenizer tokenizer(&ed.Styler, true, false);
    TLongLineScans scans;
    const struct {
        int At;
        bool Type; // a keystroke there before the repaint; else the place is only shown
    } table[] = {{0, false},      {100'002, false}, {199'997, false}, {0, true},
                 {100'002, true}, {199'997, true},  {100'002, true}};
    for (const auto& row : table) {
        SCOPED_TRACE(row.At);
        if (row.Type) {
            std::string text(lines.Line(0));
            text.insert(static_cast<std::size_t>(row.At), "a");
            lines.PutEdited(0, text, row.At, 0);
        }
        int from = row.At; // where the first run handed on starts
        TokenizeVisible(tokenizer, lines.Line(0), scans.For(0, {}, lines, tokenizer.Rules()),
                        row.At, row.At + 50, false,
                        [&from](const TRun& run) { from = std::min(from, run.Offset); });
        if (row.Type) {
            EXPECT_GT(from, row.At - 2 * TLongLineScans::kSpacing);
        }
    }
}

} // namespace
