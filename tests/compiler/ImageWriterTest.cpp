// The image writer: the hex rule, the bytes on disk, and the earlier image kept whole until
// the new one is complete.
#include "CompilerTestSupport.h"

#include "base/Errors.h"
#include "compiler/ImageWriter.h"

#include <set>
#include <sys/stat.h>

namespace {

TEST(ImageWriter, HexPairRule) {
    struct Row {
        const char* text;
        int value;
    };
    const Row rows[] = {
        {"00", 0x00},
        {"0a", 0x0A},
        {"ff", 0xFF},
        {"1a", 0x1A},
        {"7f", 0x7F},
        {"1A", -1},
        {"FF", -1},
        {"7", -1},
        {"", -1},
        {" 7", -1},
        {"g0", -1},
        {"0g", -1},
        {"fff", -1},
        {"0x", -1},
        {"-1", -1},
        {"\xE0"
         "0",
         -1},
    };
    for (const auto& row : rows)
        EXPECT_EQ(HexPairValue(row.text), row.value) << '"' << row.text << '"';

    const char* digits = "0123456789abcdef";
    std::set<int> values;
    for (int hi = 0; hi < 16; ++hi)
        for (int lo = 0; lo < 16; ++lo) {
            char text[2] = {digits[hi], digits[lo]};
            int v = HexPairValue(std::string_view(text, 2));
            EXPECT_EQ(v, hi * 16 + lo);
            values.insert(v);
        }
    EXPECT_EQ(values.size(), 256u);
}

TEST(ImageWriter, WritesExactlyTheBytesGivenAndReplacesTheWholeFile) {
    TempDir dir;
    std::string name = dir / "p.bin";
    WriteFile(name, std::string(1000, 'x'));
    TImageWriter image;
    image.OpenImage(name);
    image.WriteImageByte(0x03);
    EXPECT_EQ(image.WriteHexPair("0a"), 0x0A);
    EXPECT_EQ(image.WriteHexPair("1A"), -1);
    EXPECT_EQ(image.WriteHexPair("0d"), 0x0D);
    EXPECT_EQ(image.WriteHexPair("7"), -1);
    EXPECT_EQ(image.WriteHexPair(""), -1);
    image.WriteImageByte(0);
    image.WriteImageByte(255);
    // Nothing reaches the image before it is closed.
    EXPECT_EQ(ReadFile(name), std::string(1000, 'x'));
    image.CloseImage();
    EXPECT_EQ(ReadFile(name), Bytes({0x03, 0x0A, 0x0D, 0x00, 0xFF}));
    EXPECT_EQ(FilesIn(dir.Path()), std::vector<std::string>{"p.bin"});
}

TEST(ImageWriter, AbandonedImageLeavesTheEarlierOneAndNoTemporaryFile) {
    TempDir dir;
    std::string name = dir / "p.bin";
    WriteFile(name, "old");
    {
        TImageWriter image;
        image.OpenImage(name);
        image.WriteImageByte(1);
        image.Abandon();
        EXPECT_FALSE(image.IsOpen());
    }
    {
        TImageWriter image; // destroyed without CloseImage
        image.OpenImage(name);
        image.WriteImageByte(2);
    }
    EXPECT_EQ(ReadFile(name), "old");
    EXPECT_EQ(FilesIn(dir.Path()), std::vector<std::string>{"p.bin"});
}

TEST(ImageWriter, KeepsThePermissionsOfTheImageItReplaces) {
    TempDir dir;
    std::string name = dir / "p.bin";
    WriteFile(name, "old");
    ASSERT_EQ(::chmod(name.c_str(), 0640), 0);
    TImageWriter image;
    image.OpenImage(name);
    image.WriteImageByte(7);
    image.CloseImage();
    struct stat st;
    ASSERT_EQ(::stat(name.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

// What the user reads when the image cannot be written.
TEST(ImageWriter, FailuresRaiseTheRuntimeInputOutputError) {
    TempDir dir;
    struct Row {
        std::string name;
        const char* text;
    };
    const Row rows[] = {
        {dir / "missing/p.bin", "Invalid filename"},
        {dir.Path(), "File access denied"}, // a folder
        {"", "Invalid filename"},
    };
    for (const auto& row : rows) {
        TImageWriter image;
        try {
            image.OpenImage(row.name);
            ADD_FAILURE() << "no error for " << row.name;
        } catch (const EInOutError& e) {
            EXPECT_STREQ(e.what(), row.text) << row.name;
        }
        EXPECT_FALSE(image.IsOpen());
    }
    EXPECT_TRUE(FilesIn(dir.Path()).empty());
}

TEST(ImageWriter, FolderWithoutWritePermission) {
    TempDir dir;
    std::string folder = dir / "ro";
    ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
    WriteFile(folder + "/p.bin", "old");
    ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
    ScopedNoPermissionOverride noOverride;
    if (!noOverride.Active())
        GTEST_SKIP() << "cannot give up the right to override file permissions";
    TImageWriter image;
    try {
        image.OpenImage(folder + "/p.bin");
        ADD_FAILURE() << "the folder took a new file";
    } catch (const EInOutError& e) {
        EXPECT_STREQ(e.what(), "File access denied");
    }
    EXPECT_EQ(ReadFile(folder + "/p.bin"), "old");
    EXPECT_EQ(FilesIn(folder), std::vector<std::string>{"p.bin"});
}

TEST(ImageWriter, EachFailingFileOperationReportsItsText) {
    struct Row {
        int err;
        const char* text;
    };
    const Row rows[] = {
        {ENOSPC, "Disk full"},          {EDQUOT, "Disk full"},         {EIO, "I/O error 5"},
        {EACCES, "File access denied"}, {EROFS, "File access denied"},
    };
    FileFaultsOff off;
    for (const auto& row : rows) {
        TempDir dir;
        std::string name = dir / "p.bin";
        WriteFile(name, "old");
        // Open, then a write, the sync and the rename of closing: fail each in turn.
        for (long k = 1; k <= 4; ++k) {
            FileFaults::FailAt(k, row.err);
            TImageWriter image;
            try {
                image.OpenImage(name);
                image.WriteImageByte(1);
                image.CloseImage();
                ADD_FAILURE() << "operation " << k << " did not fail";
            } catch (const EInOutError& e) {
                EXPECT_STREQ(e.what(), row.text) << "operation " << k;
            }
            EXPECT_EQ(ReadFile(name), "old");
            EXPECT_EQ(FilesIn(dir.Path()), std::vector<std::string>{"p.bin"});
        }
        FileFaults::FailAt(0, 0);
    }
}

} // namespace
