// Finding the block keywords that open and close the block around the caret.
#include "editor/commands/BlockMatch.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace {

struct BlockCase {
    const char* Name;
    const char* Text; // lines separated by "\n"; "|" is the caret
    TBlockMatch Start;
    TBlockMatch End;
};

void PrintTo(const BlockCase& c, std::ostream* os) {
    *os << c.Name;
}

class BlockMatching : public ::testing::TestWithParam<BlockCase> {};

TEST_P(BlockMatching, FindsPairAroundCaret) {
    const BlockCase& c = GetParam();
    std::vector<std::string> lines;
    std::stringstream in(c.Text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    int caretX = 0, caretY = 0;
    for (std::size_t y = 0; y < lines.size(); ++y)
        if (auto x = lines[y].find('|'); x != std::string::npos) {
            lines[y].erase(x, 1);
            caretX = static_cast<int>(x);
            caretY = static_cast<int>(y);
        }
    TBlockSearch search;
    search.LineAt = [&](int i) { return std::string_view(lines[static_cast<std::size_t>(i)]); };
    search.IsDelimiter = [](char ch) { return ch == ' ' || ch == '"' || ch == '\'' || ch == '_'; };
    search.StartWord = "begin";
    search.EndWord = "end";
    search.FirstLine = 0;
    search.LastLine = static_cast<int>(lines.size()) - 1;
    TBlockPair pair = FindBlockPair(search, caretX, caretY);
    EXPECT_EQ(pair.Start, c.Start);
    EXPECT_EQ(pair.End, c.End);
}

constexpr TBlockMatch None{};

INSTANTIATE_TEST_SUITE_P(
    Blocks, BlockMatching,
    ::testing::Values(
        BlockCase{"CaretInsideBlock", "begin\n  x|y\nend", {0, 0, 5}, {2, 0, 3}},
        BlockCase{"NestedBlockSkipped", "begin\n |a\n begin\n end\nend", {0, 0, 5}, {4, 0, 3}},
        BlockCase{"InnerBlock", "begin\n begin\n  |a\n end\nend", {1, 1, 5}, {3, 1, 3}},
        BlockCase{"CaretOnBeginWord", "x be|gin\n y\n end", {0, 2, 5}, {2, 1, 3}},
        BlockCase{"CaretRightAfterEnd", "begin\n begin\n end\nend|", {0, 0, 5}, {3, 0, 3}},
        BlockCase{"CaseIgnored", "BEGIN\n|x\nEnd", {0, 0, 5}, {2, 0, 3}},
        BlockCase{"AfterDelimiter", "x_begin\n|x\n\"end", {0, 2, 5}, {2, 1, 3}},
        BlockCase{"NotInsideWords", "xbegin\n|x\nends", None, None},
        BlockCase{"MissingEndGivesNone", "begin\n|x", None, None},
        BlockCase{"MissingStartGivesNone", "|x\nend", None, None},
        BlockCase{"SameLine", "begin |x end", {0, 0, 5}, {0, 8, 3}},
        BlockCase{"OutsideAnyBlock", "begin\nend\n|x\nbegin\nend", None, None}));

TEST(BlockMatchingRange, OnlyLinesInRangeAreSearched) {
    std::vector<std::string> lines{"begin", "x", "end"};
    TBlockSearch search;
    search.LineAt = [&](int i) { return std::string_view(lines[static_cast<std::size_t>(i)]); };
    search.IsDelimiter = [](char ch) { return ch == ' '; };
    search.StartWord = "begin";
    search.EndWord = "end";
    search.FirstLine = 1;
    search.LastLine = 2;
    EXPECT_EQ(FindBlockPair(search, 0, 1).End, TBlockMatch{});
    search.FirstLine = 0;
    EXPECT_EQ(FindBlockPair(search, 0, 1).End, (TBlockMatch{2, 0, 3}));
    search.StartWord.clear();
    EXPECT_EQ(FindBlockPair(search, 0, 1).Start, TBlockMatch{});
}

} // namespace
