// A compile whose image cannot be written: the runtime's error, the earlier image whole, no
// temporary file left, and the counters and lines as far as the compile got.
#include "CompilerTestSupport.h"

#include "base/Errors.h"
#include "compiler/Compiler.h"
#include "workbench/MemoCompileTarget.h"

#include <cstring>
#include <sys/mount.h>
#include <sys/stat.h>

namespace {

// A program whose image is big enough for several buffer flushes.
std::vector<std::string> BigProgram(int commands) {
    std::vector<std::string> lines;
    for (int i = 0; i < commands; ++i)
        lines.push_back(i % 3 == 0 ? "  goto_1234" : (i % 3 == 1 ? "stop" : "// note"));
    return lines;
}

std::string CompileError(TCompileTarget& target, const std::string& image,
                         TCompileCounters& counters) {
    try {
        Compile(target, image, counters);
    } catch (const EInOutError& e) {
        return e.what();
    }
    return "<no error>";
}

TEST(CompileErrors, ImageThatCannotBeCreated) {
    TempDir dir;
    std::string ro = dir / "ro";
    ASSERT_EQ(::mkdir(ro.c_str(), 0555), 0);
    struct Row {
        std::string image;
        std::string text;
        bool needsPermissions;
    };
    const Row rows[] = {
        {dir / "missing/p.bin", "Folder \"" + dir / "missing\" does not exist", false},
        {ro + "/p.bin", "File access denied", true},
        {dir / "folder.bin", "File access denied", false},
        {"", "Invalid filename", false},
    };
    ASSERT_EQ(::mkdir((dir / "folder.bin").c_str(), 0755), 0);
    ScopedNoPermissionOverride noOverride;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.image);
        if (row.needsPermissions && !noOverride.Active())
            continue;
        Editor editor({"  stop", "pause_01"});
        TMemoCompileTarget target(editor.memo);
        TCompileCounters counters{4, 8};
        EXPECT_EQ(CompileError(target, row.image, counters), row.text);
        // The tidy step has run; the counters are those of the earlier compile.
        EXPECT_EQ(editor.Lines(), (std::vector<std::string>{"stop", "pause_01"}));
        EXPECT_TRUE(editor.Marked().empty());
        EXPECT_EQ(counters.CommandCount, 4);
        EXPECT_EQ(counters.ProgramSize, 8);
    }
    EXPECT_TRUE(FilesIn(ro).empty());
    EXPECT_EQ(FilesIn(dir.Path()), (std::vector<std::string>{"folder.bin", "ro"}));
}

// Every fallible file operation of a compile fails once in turn: each time the earlier image
// stays whole and no temporary file is left; the next compile succeeds.
TEST(CompileErrors, EveryFileOperationOfACompileFailingInTurn) {
    FileFaultsOff off;
    const std::vector<std::string> program = BigProgram(90000); // 120000-byte image
    TempDir dir;
    std::string image = dir / "p.bin";
    WriteBytes(image, "previous image");

    long operations = 0;
    {
        TempDir probe;
        Editor editor(program);
        TMemoCompileTarget target(editor.memo);
        TCompileCounters counters;
        FileFaults::FailAt(0, 0);
        Compile(target, probe / "p.bin", counters);
        operations = FileFaults::Operations();
        EXPECT_EQ(ReadFile(probe / "p.bin").size(), 120000u);
    }
    ASSERT_GE(operations, 5); // open, two or more writes, sync, rename

    for (int err : {ENOSPC, EIO}) {
        for (long k = 1; k <= operations; ++k) {
            SCOPED_TRACE("operation " + std::to_string(k) + " errno " + std::to_string(err));
            Editor editor(program);
            TMemoCompileTarget target(editor.memo);
            TCompileCounters counters{-1, -1};
            FileFaults::FailAt(k, err);
            std::string text = CompileError(target, image, counters);
            FileFaults::FailAt(0, 0);
            EXPECT_EQ(text, err == ENOSPC ? "Disk full" : "I/O error 5");
            EXPECT_EQ(ReadFile(image), "previous image");
            EXPECT_EQ(FilesIn(dir.Path()), std::vector<std::string>{"p.bin"});
            if (k == 1) {
                EXPECT_EQ(counters.CommandCount, -1); // opening failed: counters untouched
            } else {
                // The counters and marks show the lines handled before the failure.
                EXPECT_GE(counters.CommandCount, 0);
                EXPECT_LE(counters.CommandCount, 60000);
                EXPECT_EQ(static_cast<int>(editor.Marked().size()), counters.CommandCount);
            }
        }
    }

    Editor editor(program);
    TMemoCompileTarget target(editor.memo);
    TCompileCounters counters;
    EXPECT_TRUE(Compile(target, image, counters).ImageWritten);
    EXPECT_EQ(ReadFile(image).size(), 120000u);
    EXPECT_EQ(counters.CommandCount, 60000);
    EXPECT_EQ(counters.ProgramSize, 120000);
}

// A real full disk: a 64 KiB file system.
class SmallDisk : public ::testing::Test {
protected:
    void SetUp() override {
        FMount = FDir / "disk";
        ASSERT_EQ(::mkdir(FMount.c_str(), 0755), 0);
        if (::mount("tovix-test", FMount.c_str(), "tmpfs", 0, "size=64k") != 0)
            GTEST_SKIP() << "cannot mount a small file system here: " << std::strerror(errno);
        FMounted = true;
    }
    void TearDown() override {
        if (FMounted)
            ::umount(FMount.c_str());
    }

    TempDir FDir;
    std::string FMount;
    bool FMounted = false;
};

TEST_F(SmallDisk, FullDiskKeepsTheEarlierImage) {
    std::string image = FMount + "/p.bin";
    WriteBytes(image, "previous image");
    Editor editor(BigProgram(90000));
    TMemoCompileTarget target(editor.memo);
    TCompileCounters counters;
    EXPECT_EQ(CompileError(target, image, counters), "Disk full");
    EXPECT_EQ(ReadFile(image), "previous image");
    EXPECT_EQ(FilesIn(FMount), std::vector<std::string>{"p.bin"});

    // Space is all there again afterwards: a program that fits compiles.
    Editor small(BigProgram(300));
    TMemoCompileTarget smallTarget(small.memo);
    EXPECT_TRUE(Compile(smallTarget, image, counters).ImageWritten);
    EXPECT_EQ(ReadFile(image).size(), 400u);
}

} // namespace
