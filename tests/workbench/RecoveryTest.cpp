// The recovery file read back byte for byte, damaged files refused, the lock between holders,
// and when the file is due.
#include "workbench/RecoveryFile.h"
#include "workbench/RecoveryLock.h"
#include "workbench/RecoverySchedule.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

// A program path and text with cp1251 bytes ("ж" is 0xE6), an empty line and a CR LF.
const TRecoveryRecord kRecord{"/home/u/\xE6 prog.tovix", 1765330000123,
                              "pause_64 ; \xE6\r\n\r\nnop\r\n"};

} // namespace

TEST(RecoveryFile, ReadsBackWhatItWrote) {
    TempDir dir;
    const std::string file = dir.File("a.recovery");
    ASSERT_EQ(WriteRecoveryFile(file, kRecord), 0);
    EXPECT_EQ(ReadRecoveryFile(file), kRecord);
    const std::vector<std::string> pieces{"pause_64 ; \xE6\r", "", "\n\r\nnop\r\n"};
    ASSERT_EQ(WriteRecoveryFile(file, kRecord.ProgramPath, kRecord.ChangedAtMs, pieces), 0);
    EXPECT_EQ(ReadRecoveryFile(file), kRecord);
    EXPECT_EQ(ParseRecovery(RecoveryHeader("", 0, 0)), TRecoveryRecord{});
    EXPECT_EQ(ReadRecoveryFile(dir.File("missing.recovery")), std::nullopt);
}

TEST(RecoveryFile, DamagedFilesAreNoRecord) {
    const std::string whole =
        RecoveryHeader(kRecord.ProgramPath, kRecord.ChangedAtMs, kRecord.Text.size()) +
        kRecord.Text;
    // Every truncation, a byte more, and header fields spoilt.
    for (std::size_t size = 0; size < whole.size(); ++size)
        EXPECT_EQ(ParseRecovery(whole.substr(0, size)), std::nullopt) << size;
    EXPECT_EQ(ParseRecovery(whole + "x"), std::nullopt);
    for (auto [from, to] : {std::pair{"TOVIX", "TOVIY"},
                            {"path 2", "path 9"},
                            {"time 1", "time x"},
                            {"text 2", "text -"},
                            {"\ntime", "time"}}) {
        std::string damaged = whole;
        damaged.replace(damaged.find(from), std::string_view(from).size(), to);
        EXPECT_EQ(ParseRecovery(damaged), std::nullopt) << from;
    }
}

TEST(RecoveryLock, OneHolderAtATime) {
    TempDir dir;
    const std::string path = dir.File("a.recovery.lock");
    std::optional<TRecoveryLock> first = TRecoveryLock::TryTake(path);
    ASSERT_TRUE(first);
    EXPECT_FALSE(TRecoveryLock::TryTake(path));
    first.reset();
    std::optional<TRecoveryLock> second = TRecoveryLock::TryTake(path);
    ASSERT_TRUE(second);
    second->Remove();
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{});
    EXPECT_FALSE(TRecoveryLock::TryTake(dir.File("no/such/folder.lock")));
}

TEST(RecoverySchedule, DueAfterAPauseOrALongRunOfChanges) {
    struct Row {
        std::vector<std::int64_t> Changes;
        std::optional<std::int64_t> Due;
    };
    const Row rows[] = {
        {{}, std::nullopt},
        {{100}, 1100},
        {{100, 600}, 1600},
        // Changes every half second: written two seconds after the first.
        {{100, 600, 1100, 1600, 2100}, 2100},
    };
    for (const Row& row : rows) {
        TRecoverySchedule schedule;
        for (std::int64_t at : row.Changes)
            schedule.Changed(at);
        EXPECT_EQ(schedule.DueAt(), row.Due);
        if (row.Due) {
            EXPECT_FALSE(schedule.IsDue(*row.Due - 1));
            EXPECT_TRUE(schedule.IsDue(*row.Due));
        }
        schedule.Clear();
        EXPECT_EQ(schedule.DueAt(), std::nullopt);
    }
}
