// The command table: its own rules, and the four places that read it agreeing entry for entry.
#include "compiler/CommandSet.h"
#include "base/Cp1251.h"
#include "base/Errors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

TEST(CommandSet, CatalogueHoldsTheThirtySixCommandsInListOrder) {
    const std::vector<std::string> expected = {
        "stop",     "reset",    "nop",     "goto",     "allond",     "allonb",
        "alloffd",  "alloffb",  "configd", "configb",  "portdwrite", "portbwrite",
        "incd",     "incb",     "decd",    "decb",     "invertd",    "invertb",
        "onpind",   "onpinb",   "offpind", "offpinb",  "10xpause",   "pause",
        "initlcdd", "initlcdb", "lcdout",  "lcdclear", "lcdleft",    "lcdright",
        "lcdl1",    "lcdl2",    "lcdl3",   "lcdl4",    "sound",      "outsound"};
    EXPECT_EQ(CatalogueMnemonics(), expected);
    for (int i = 0; i < kCommandCount; ++i)
        EXPECT_EQ(CommandAt(i).Index, i);
}

TEST(CommandSet, MnemonicsAreDistinctAndNoneBeginsAnother) {
    std::set<std::string_view> seen;
    for (const auto& a : CommandTable()) {
        EXPECT_TRUE(seen.insert(a.Mnemonic).second) << a.Mnemonic;
        EXPECT_GE(a.Mnemonic.size(), 3u);
        EXPECT_LE(a.Mnemonic.size(), 10u);
        for (char ch : a.Mnemonic)
            EXPECT_TRUE((ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9')) << a.Mnemonic;
        for (const auto& b : CommandTable())
            if (a.Index != b.Index) {
                EXPECT_FALSE(b.Mnemonic.starts_with(a.Mnemonic)) << a.Mnemonic << " " << b.Mnemonic;
            }
    }
}

TEST(CommandSet, OpcodesAreExactlyTheOnesInUse) {
    std::set<int> used;
    for (const auto& c : CommandTable())
        EXPECT_TRUE(used.insert(c.Opcode).second) << c.Mnemonic;
    std::set<int> expected;
    for (int v = 0x00; v <= 0x15; ++v)
        expected.insert(v);
    expected.insert({0x1A, 0x1B});
    for (int v = 0x20; v <= 0x2B; ++v)
        expected.insert(v);
    EXPECT_EQ(used, expected);
}

TEST(CommandSet, KeywordsAreTheCatalogueSortedByByteValue) {
    std::vector<std::string> keywords = KeywordsSorted();
    ASSERT_EQ(keywords.size(), static_cast<std::size_t>(kCommandCount));
    EXPECT_EQ(keywords.front(), "10xpause");
    EXPECT_TRUE(std::is_sorted(keywords.begin(), keywords.end()));
    std::vector<std::string> catalogue = CatalogueMnemonics();
    EXPECT_NE(keywords, catalogue);
    std::sort(catalogue.begin(), catalogue.end());
    EXPECT_EQ(keywords, catalogue);
}

// The catalogue, the descriptions, the keywords and recognition name the same 36 commands.
TEST(CommandSet, TheFourPlacesAgree) {
    std::vector<std::string> catalogue = CatalogueMnemonics();
    std::vector<std::string> descriptions = CatalogueDescriptions();
    std::vector<std::string> keywords = KeywordsSorted();
    ASSERT_EQ(descriptions.size(), catalogue.size());
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        const TCommand* recognised = RecognizeCommand(catalogue[i]);
        ASSERT_NE(recognised, nullptr) << catalogue[i];
        EXPECT_EQ(recognised->Index, static_cast<int>(i));
        EXPECT_EQ(descriptions[i], recognised->Description);
        EXPECT_TRUE(std::binary_search(keywords.begin(), keywords.end(), catalogue[i]));
    }
}

TEST(CommandSet, DescriptionsAreExact) {
    EXPECT_EQ(CommandAt(26).Description,
              "Вывести на ЖКИ символ из данных (цифровой код символа для HD44780)");
    for (const auto& c : CommandTable()) {
        SCOPED_TRACE(c.Mnemonic);
        std::string bytes = DescriptionCp1251(c);
        // Every character has its Windows-1251 byte: nothing was dropped on the way.
        EXPECT_EQ(Cp1251ToUtf8(bytes), c.Description);
        EXPECT_FALSE(c.Description.empty());
    }
}

// Letters that look alike but are not: Cyrillic В (0xC2) in "Записать В PORTD", Latin C
// (0x43) of "C.0" for sound, Cyrillic С (0xD1) of "С.0" for outsound; Latin port letters.
TEST(CommandSet, LookAlikeLettersHaveTheirOwnBytes) {
    struct Row {
        int index;
        std::string_view before; // Windows-1251 text just before the letter
        unsigned char letter;
    };
    const Row rows[] = {
        {10, "\xC7\xE0\xEF\xE8\xF1\xE0\xF2\xFC ", 0xC2},
        {11, "\xC7\xE0\xEF\xE8\xF1\xE0\xF2\xFC ", 0xC2},
        {34, "\xF1\xE8\xE3\xED\xE0\xEB ", 'C'},
        {35, "\xE2\xFB\xF5\xEE\xE4 ", 0xD1},
        {4, "\xEF\xEE\xF0\xF2\xE0 ", 'D'},
        {19, "\xEF\xEE\xF0\xF2\xE0 ", 'B'},
    };
    for (const auto& row : rows) {
        std::string bytes = DescriptionCp1251(CommandAt(row.index));
        std::size_t at = bytes.find(row.before);
        ASSERT_NE(at, std::string::npos) << row.index;
        EXPECT_EQ(static_cast<unsigned char>(bytes[at + row.before.size()]), row.letter)
            << row.index;
    }
    EXPECT_NE(DescriptionCp1251(CommandAt(10)).find("PORTD"), std::string::npos);
    EXPECT_NE(DescriptionCp1251(CommandAt(8)).find("DDRD"), std::string::npos);
}

TEST(CommandSet, Recognition) {
    struct Row {
        const char* line;
        const char* command; // nullptr: no command
    };
    const Row rows[] = {
        {"stop", "stop"},        {"stopper", "stop"},
        {"STOP", nullptr},       {"Stop", nullptr},
        {"sto", nullptr},        {"", nullptr},
        {"nop_12", "nop"},       {" stop", nullptr},
        {"pause@64", "pause"},   {"10xpause_05", "10xpause"},
        {"0xpause", nullptr},    {"lcdl1", "lcdl1"},
        {"lcdl", nullptr},       {"lcdl5", nullptr},
        {"lcdleftx", "lcdleft"}, {"outsound", "outsound"},
        {"outsoun", nullptr},    {"soundx", "sound"},
        {"allon", nullptr},      {"alloffb_", "alloffb"},
        {"offpind", "offpind"},  {"Goto_0000", nullptr},
        {"// stop", nullptr},    {"\xF1top", nullptr},
    };
    for (const auto& row : rows) {
        const TCommand* c = RecognizeCommand(row.line);
        std::string_view got = c ? c->Mnemonic : std::string_view("<none>");
        EXPECT_EQ(got, row.command ? row.command : "<none>") << '"' << row.line << '"';
    }
}

// The templates the insertion panel and the reference show put digits exactly where the
// compiler reads them.
TEST(CommandSet, LineFormsHoldTheirDigitsAtTheOperandPositions) {
    for (const auto& c : CommandTable()) {
        std::string form = LineForm(c);
        SCOPED_TRACE(form);
        EXPECT_TRUE(form.starts_with(c.Mnemonic));
        EXPECT_EQ(c.Size, 1 + c.OperandCount());
        std::size_t end = c.Mnemonic.size();
        for (int k = 0; k < c.OperandCount(); ++k) {
            std::size_t at = static_cast<std::size_t>(c.Operand[k] - 1);
            ASSERT_LT(at + 1, form.size());
            EXPECT_NE(std::string_view("XYN0").find(form[at]), std::string_view::npos);
            EXPECT_NE(std::string_view("XYN").find(form[at + 1]), std::string_view::npos);
            if (k == 0 || c.Form == TOperandForm::Sound) {
                EXPECT_EQ(form[at - 1], '_');
            }
            end = at + 2;
        }
        EXPECT_EQ(form.size(), end);
    }
}

TEST(CommandSet, IndexOutsideTheCatalogueIsAListError) {
    EXPECT_THROW(CommandAt(-1), EListError);
    EXPECT_THROW(CommandAt(36), EListError);
    try {
        CommandAt(-1);
    } catch (const EListError& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (-1)");
    }
}

} // namespace
