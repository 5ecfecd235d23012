// The recent programs list: newest first, one entry per file whatever its spelling, at most ten.
#include "workbench/RecentPrograms.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// Steps: "+p" adds p, "-p" removes it; "@" in a path is the scratch folder. The list afterwards
// is given with "@" too.
struct TRow {
    const char* name;
    std::vector<std::string> kept; // as read back from the settings
    std::vector<std::string> steps;
    std::vector<std::string> expected;
};

std::string Expanded(std::string text, const std::string& dir) {
    for (std::size_t at; (at = text.find('@')) != std::string::npos;)
        text.replace(at, 1, dir);
    return text;
}

} // namespace

TEST(RecentPrograms, NewestFirstOnePerFileAtMostTen) {
    TempDir dir;
    WriteBytes(dir.File("a.tovix"), "stop\r\n");
    WriteBytes(dir.File("b.tovix"), "stop\r\n");
    std::filesystem::create_directory(dir.File("sub"));
    std::filesystem::create_symlink(dir.File("a.tovix"), dir.File("link.tovix"));
    std::vector<std::string> eleven, lastTen;
    for (int i = 0; i < 11; ++i) {
        eleven.push_back("+@/" + std::to_string(i));
        if (i > 0)
            lastTen.insert(lastTen.begin(), "@/" + std::to_string(i));
    }
    const TRow rows[] = {
        {"added at the front", {}, {"+@/a.tovix", "+@/b.tovix"}, {"@/b.tovix", "@/a.tovix"}},
        {"an entry added again moves to the front",
         {},
         {"+@/a.tovix", "+@/b.tovix", "+@/a.tovix"},
         {"@/a.tovix", "@/b.tovix"}},
        {"another spelling of a file moves it, spelt anew",
         {},
         {"+@/a.tovix", "+@/b.tovix", "+@/sub/../a.tovix"},
         {"@/sub/../a.tovix", "@/b.tovix"}},
        {"a link to a file is that file", {}, {"+@/a.tovix", "+@/link.tovix"}, {"@/link.tovix"}},
        {"files that do not exist compare by their resolved paths",
         {},
         {"+@/gone.tovix", "+@/./gone.tovix", "+@/sub/gone.tovix"},
         {"@/sub/gone.tovix", "@/./gone.tovix"}},
        {"the eleventh pushes the oldest out", {}, eleven, lastTen},
        {"removed in any spelling; an absent one changes nothing",
         {},
         {"+@/a.tovix", "+@/b.tovix", "-@/sub/../a.tovix", "-@/none.tovix"},
         {"@/b.tovix"}},
        {"a kept list loses empty entries and repeats, the newest spelling staying",
         {"@/a.tovix", "", "@/b.tovix", "@/link.tovix"},
         {},
         {"@/a.tovix", "@/b.tovix"}},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<std::string> kept;
        for (const std::string& path : row.kept)
            kept.push_back(Expanded(path, dir.Path()));
        TRecentPrograms list(kept);
        for (const std::string& step : row.steps) {
            const std::string path = Expanded(step.substr(1), dir.Path());
            step[0] == '+' ? list.Add(path) : list.Remove(path);
        }
        std::vector<std::string> expected;
        for (const std::string& path : row.expected)
            expected.push_back(Expanded(path, dir.Path()));
        EXPECT_EQ(list.Paths(), expected);
    }
}
