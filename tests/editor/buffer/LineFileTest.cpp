// The program text file format: reading, writing, round trips and failures that lose nothing.
#include "editor/CodeMemo.h"
#include "support/FakeHost.h"

#include "base/Errors.h"
#include "base/FileIO.h"
#include "support/Permissions.h"
#include "support/TempDir.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <random>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Lines = std::vector<std::string>;

struct Editor {
    FakeHost host;
    TCodeMemo memo{host};
    TCodeMemoStrings& lines = memo.Lines();
};

std::string ErrorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const ERuntimeError& e) {
        return e.what();
    }
    return "no error";
}

} // namespace

TEST(TextFile, ReadingSplitsAtEveryKindOfLineEnd) {
    struct Case {
        std::string bytes;
        Lines lines;
    };
    const Case cases[] = {
        {"a\rb\ne\r\nd", {"a", "b", "e", "d"}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\r\n", {"a"}},
        {std::string("a\0b\r\ne", 6), {"a"}},
        {"", {}},
        {std::string("\0abc", 4), {}},
        {"\r\n", {""}},
        {"\n\n", {"", ""}},
        {"\r\r\n", {"", ""}},
        {"\tx", {"    x"}},
        {"x\t\ty", {"x        y"}},
        {"\xEF\xBB\xBFgoto_00F5", {"\xEF\xBB\xBFgoto_00F5"}},
        {"\x01\x7F\xFF \r\n", {"\x01\x7F\xFF "}},
    };
    TempDir dir;
    for (const auto& c : cases) {
        WriteBytes(dir.File("p.tovix"), c.bytes);
        Editor e;
        e.lines.LoadFromFile(dir.File("p.tovix"));
        EXPECT_EQ(e.lines.ToVector(), c.lines) << testing::PrintToString(c.bytes);
        EXPECT_EQ(e.lines.LineLengths().Count(), e.lines.Count());
        EXPECT_EQ(ReadTextFile(dir.File("p.tovix"), 4), c.lines) << "without an editor";
    }
}

TEST(TextFile, WritingEndsEveryLineWithCrLf) {
    TempDir dir;
    Editor e;
    TNullLineStoreOwner noEditor;
    TCodeMemoStrings bare(noEditor);
    bare.Add("");
    for (TCodeMemoStrings* lines : {&e.lines, &bare}) {
        SCOPED_TRACE(lines == &bare ? "without an editor" : "in an editor");
        lines->SaveToFile(dir.File("new.tovix"));
        EXPECT_EQ(ReadBytes(dir.File("new.tovix")), "\r\n") << "a new editor holds one empty line";
        lines->Clear();
        lines->SaveToFile(dir.File("empty.tovix"));
        EXPECT_EQ(ReadBytes(dir.File("empty.tovix")), "");
        lines->Add("stop  ");
        lines->Add("");
        lines->Add("\xCF\xE0");
        lines->SaveToFile(dir.File("three.tovix"));
        EXPECT_EQ(ReadBytes(dir.File("three.tovix")), "stop  \r\n\r\n\xCF\xE0\r\n");
        lines->Put(1, "go\tto");
        lines->Delete(0);
        lines->SaveToFile(dir.File("two.tovix"));
        EXPECT_EQ(ReadBytes(dir.File("two.tovix")), "go    to\r\n\xCF\xE0\r\n");
        lines->LoadFromFile(dir.File("three.tovix"));
        EXPECT_EQ(lines->ToVector(), (Lines{"stop  ", "", "\xCF\xE0"}));
        EXPECT_EQ(lines->LineLengths().Count(), 3);
    }
}

TEST(TextFile, RandomFilesReadSaveAndReadBackToTheSameLines) {
    const std::string alphabet = "\r\n\ta _\xC0\xFF\x01";
    TempDir dir;
    std::mt19937 rng(20261207);
    for (int round = 0; round < 300; ++round) {
        std::string bytes;
        int size = std::uniform_int_distribution<int>(0, 80)(rng);
        for (int i = 0; i < size; ++i) {
            // NUL rarely, so that most files have text after their first line.
            int k = std::uniform_int_distribution<int>(0, 39)(rng);
            bytes += k == 0 ? '\0' : alphabet[static_cast<std::size_t>(k) % alphabet.size()];
        }
        WriteBytes(dir.File("a"), bytes);
        Editor first;
        first.lines.LoadFromFile(dir.File("a"));
        Lines expected = SplitTextFile(bytes);
        for (auto& line : expected)
            line = ExpandTabs(line, 4);
        ASSERT_EQ(first.lines.ToVector(), expected) << testing::PrintToString(bytes);

        first.lines.SaveToFile(dir.File("b"));
        Editor second;
        second.lines.LoadFromFile(dir.File("b"));
        ASSERT_EQ(second.lines.ToVector(), expected) << testing::PrintToString(bytes);
        EXPECT_EQ(ReadBytes(dir.File("b")), JoinTextFile(expected));
    }
}

TEST(TextFile, AFileThatCannotBeReadChangesNothing) {
    TempDir dir;
    Editor e;
    e.lines.Assign(Lines{"keep", "these  "});
    e.memo.SetCurY(1);
    e.memo.SetCurX(3);
    std::string missing = dir.File("missing.tovix");
    EXPECT_EQ(ErrorOf([&] { e.lines.LoadFromFile(missing); }),
              "Cannot open file \"" + missing + "\". No such file or directory");
    EXPECT_EQ(ErrorOf([&] { e.lines.LoadFromFile(dir.Path()); }),
              "Cannot open file \"" + dir.Path() + "\". Is a directory");
    EXPECT_EQ(ErrorOf([&] { e.lines.LoadFromFile("/dev/null"); }),
              "Cannot open file \"/dev/null\". Is a device");
    for (const std::string& name : {missing, dir.Path(), std::string("/dev/null")})
        EXPECT_EQ(ErrorOf([&] { ReadTextFile(name, 4); }),
                  ErrorOf([&] { e.lines.LoadFromFile(name); }))
            << "without an editor";
    EXPECT_EQ(e.lines.ToVector(), (Lines{"keep", "these  "}));
    EXPECT_EQ(e.memo.CurX(), 3);
    EXPECT_EQ(e.memo.CurY(), 1);
    EXPECT_TRUE(e.memo.NotifyChanges());
}

TEST(TextFile, AFailedSaveLeavesThePreviousFileWhole) {
    TempDir dir;
    Editor e;
    for (int i = 0; i < 20000; ++i)
        e.lines.Add("portdwrite_" + std::to_string(i % 100));
    std::string target = dir.File("prog.tovix");
    std::string previous = "allond\r\npause_64\r\n";

    std::string inMissingFolder = dir.File("no/such/prog.tovix");
    EXPECT_EQ(ErrorOf([&] { e.lines.SaveToFile(inMissingFolder); }),
              "Cannot create file \"" + inMissingFolder + "\". No such file or directory");

    long k = 1;
    for (;; ++k) {
        WriteBytes(target, previous);
        FileFaults::FailAt(k, ENOSPC);
        std::string error = ErrorOf([&] { e.lines.SaveToFile(target); });
        bool hit = FileFaults::Operations() >= k;
        FileFaults::FailAt(0, 0);
        if (!hit) {
            EXPECT_EQ(error, "no error");
            break;
        }
        EXPECT_EQ(error, "Cannot create file \"" + target + "\". No space left on device");
        EXPECT_EQ(ReadBytes(target), previous) << "failing operation " << k;
        EXPECT_EQ(dir.Entries(), Lines{"prog.tovix"}) << "failing operation " << k;
    }
    EXPECT_GT(k, 4);
    Editor back;
    back.lines.LoadFromFile(target);
    EXPECT_EQ(back.lines.ToVector(), e.lines.ToVector());
}

TEST(TextFile, AFullDiskLeavesThePreviousFileWhole) {
    TempDir dir;
    std::string mountPoint = dir.File("small");
    std::filesystem::create_directory(mountPoint);
    if (mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "mounting a small file system is not allowed here";
    std::string target = mountPoint + "/prog.tovix";
    Editor e;
    for (int i = 0; i < 3000; ++i)
        e.lines.Add("lcdout_41 line " + std::to_string(i));
    std::string previous(20000, 'p');
    WriteBytes(target, previous);
    std::string error = ErrorOf([&] { e.lines.SaveToFile(target); });
    std::string after = ReadBytes(target);
    Lines entries;
    for (const auto& entry : std::filesystem::directory_iterator(mountPoint))
        entries.push_back(entry.path().filename().string());
    umount(mountPoint.c_str());
    EXPECT_EQ(error, "Cannot create file \"" + target + "\". No space left on device");
    EXPECT_EQ(after, previous);
    EXPECT_EQ(entries, Lines{"prog.tovix"});
}

TEST(TextFile, UnreadableFilesAndUnwritableFoldersGiveTheRuntimesTexts) {
    TempDir dir;
    std::string locked = dir.File("locked.tovix");
    WriteBytes(locked, "stop\r\n");
    ASSERT_EQ(chmod(locked.c_str(), 0200), 0);
    std::string folder = dir.File("ro");
    std::filesystem::create_directory(folder);
    ASSERT_EQ(chmod(folder.c_str(), 0555), 0);
    ScopedNoPermissionOverride noOverride;
    if (!noOverride.Active())
        GTEST_SKIP() << "permissions cannot be made to bind here";
    Editor e;
    e.lines.Assign(Lines{"keep"});
    EXPECT_EQ(ErrorOf([&] { e.lines.LoadFromFile(locked); }),
              "Cannot open file \"" + locked + "\". Permission denied");
    EXPECT_EQ(ErrorOf([&] { ReadTextFile(locked, 4); }),
              "Cannot open file \"" + locked + "\". Permission denied");
    EXPECT_EQ(ErrorOf([&] { e.lines.SaveToFile(folder + "/p.tovix"); }),
              "Cannot create file \"" + folder + "/p.tovix\". Permission denied");
    EXPECT_EQ(e.lines.ToVector(), Lines{"keep"});
}
