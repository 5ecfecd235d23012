// Lines built by "Вставить" for every catalogue entry and the field texts that go into them.
#include "app/panels/InsertionLine.h"

#include "base/Errors.h"

#include <gtest/gtest.h>

namespace {

const std::vector<std::string> kCatalogue{
    "stop",     "reset",    "nop",     "goto",     "allond",     "allonb",
    "alloffd",  "alloffb",  "configd", "configb",  "portdwrite", "portbwrite",
    "incd",     "incb",     "decd",    "decb",     "invertd",    "invertb",
    "onpind",   "onpinb",   "offpind", "offpinb",  "10xpause",   "pause",
    "initlcdd", "initlcdb", "lcdout",  "lcdclear", "lcdleft",    "lcdright",
    "lcdl1",    "lcdl2",    "lcdl3",   "lcdl4",    "sound",      "outsound"};

// Distinct texts in every field, so that a line taking the wrong field shows it.
const InsertionFields kFields{"d1", "a234", "p3", "6"};

TEST(InsertionPanel, EveryCatalogueEntryGetsItsLineForm) {
    const std::vector<std::string> expected{
        "stop",      "reset",     "nop",        "goto_a234",  "allond",        "allonb",
        "alloffd",   "alloffb",   "configd_d1", "configb_d1", "portdwrite_d1", "portbwrite_d1",
        "incd",      "incb",      "decd",       "decb",       "invertd",       "invertb",
        "onpind_06", "onpinb_06", "offpind_06", "offpinb_06", "10xpause_d1",   "pause_d1",
        "initlcdd",  "initlcdb",  "lcdout_d1",  "lcdclear",   "lcdleft",       "lcdright",
        "lcdl1",     "lcdl2",     "lcdl3",      "lcdl4",      "sound_d1_p3",   "outsound"};
    ASSERT_EQ(expected.size(), kCatalogue.size());
    for (int i = 0; i < static_cast<int>(kCatalogue.size()); ++i)
        EXPECT_EQ(BuildInsertionLine(kCatalogue, i, kFields), expected[static_cast<size_t>(i)])
            << "index " << i;
}

TEST(InsertionPanel, FieldTextsAreCopiedAsTheyStand) {
    struct Case {
        int index;
        InsertionFields fields;
        std::string line;
    } cases[] = {
        // The panel's initial field values.
        {3, {"00", "0000", "30", "0"}, "goto_0000"},
        {8, {"00", "0000", "30", "0"}, "configd_00"},
        {23, {"00", "0000", "30", "0"}, "pause_00"},
        {18, {"00", "0000", "30", "0"}, "onpind_00"},
        {34, {"00", "0000", "30", "0"}, "sound_00_30"},
        // No filling up, no case change, no trimming, no check.
        {8, {"5", "", "", ""}, "configd_5"},
        {23, {"ab", "", "", ""}, "pause_ab"},
        {26, {" 1", "", "", ""}, "lcdout_ 1"},
        {3, {"", "zz", "", ""}, "goto_zz"},
        {34, {"10", "", "FF", ""}, "sound_10_FF"},
        {21, {"", "", "", "7"}, "offpinb_07"},
        // Empty fields give the prefix alone.
        {10, {"", "1234", "30", "1"}, "portdwrite_"},
        {34, {"", "", "", ""}, "sound__"},
        {19, {"00", "0000", "30", ""}, "onpinb_0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BuildInsertionLine(kCatalogue, c.index, c.fields), c.line) << "index " << c.index;
}

TEST(InsertionPanel, LineIsProgramTextInWindows1251) {
    // "ж" is 0xE6 in Windows-1251; a character the code page lacks is dropped.
    EXPECT_EQ(BuildInsertionLine(kCatalogue, 23, {"ж1", "", "", ""}), "pause_\xE6"
                                                                      "1");
    EXPECT_EQ(BuildInsertionLine(kCatalogue, 23, {"中1", "", "", ""}), "pause_1");
}

TEST(InsertionPanel, GotoFieldTakesALabelName) {
    const TLabelOffsets labels = [](std::string_view name) -> std::optional<int> {
        if (name == "loop")
            return 0x19;
        if (name == "\xF6\xE8\xEA\xEB") // "цикл" in Windows-1251
            return 0x1A0;
        if (name == "beef")
            return 0x30;
        return std::nullopt;
    };
    const struct {
        std::string field;
        std::string text;
    } rows[] = {
        {"loop", "0019 loop"},
        {"цикл", "01A0 цикл"},
        // Four hex digits are an address even when a label has that name.
        {"beef", "beef"},
        {"0018", "0018"},
        // Text that is no name stands as it is.
        {"12", "12"},
        {"", ""},
        {"lo op", "lo op"},
        {"none", "none"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ResolveGotoField(row.field, labels), row.text) << row.field;
    // Without labels to look in, every text stands.
    EXPECT_EQ(ResolveGotoField("loop", {}), "loop");
}

TEST(InsertionPanel, NoSelectionBuildsNothing) {
    EXPECT_EQ(BuildInsertionLine(kCatalogue, -1, kFields), std::nullopt);
    EXPECT_EQ(BuildInsertionLine({}, -1, kFields), std::nullopt);
}

TEST(InsertionPanel, IndexPastTheCatalogueIsTheListError) {
    try {
        BuildInsertionLine(kCatalogue, 36, kFields);
        FAIL() << "no error";
    } catch (const EListError& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (36)");
    }
}

} // namespace
