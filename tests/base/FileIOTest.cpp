// Reading files, atomic replacement and the runtime's error texts.
#include "base/FileIO.h"
#include "base/Errors.h"
#include "support/Permissions.h"
#include "support/TempDir.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <future>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

TEST(RuntimeErrors, TextsAreTheRuntimes) {
    EXPECT_STREQ(EFOpenError("a.tovix", "No such file or directory").what(),
                 "Cannot open file \"a.tovix\". No such file or directory");
    EXPECT_STREQ(EFCreateError("/x/b.tovix", "Permission denied").what(),
                 "Cannot create file \"/x/b.tovix\". Permission denied");
    EXPECT_STREQ(EListError(-1).what(), "List index out of bounds (-1)");
    EXPECT_STREQ(EListError(7).what(), "List index out of bounds (7)");
    EXPECT_STREQ(EInOutError::FromErrno(EACCES).what(), "File access denied");
    EXPECT_STREQ(EInOutError::FromErrno(ENOSPC).what(), "Disk full");
    EXPECT_STREQ(EInOutError::FromErrno(ENOENT).what(), "Invalid filename");
    EXPECT_STREQ(EInOutError::FromErrno(EIO).what(), "I/O error 5");
    EXPECT_STREQ(EInOutError(2).what(), "File not found");
}

namespace {

// ReadWholeFile on another thread. A read still waiting after a few seconds (a FIFO opened for
// reading blocks until a writer comes) gets a writer that goes at once, so that such a read
// fails the test instead of hanging it.
int ReadWithoutHanging(const std::string& path, std::string& out) {
    auto reading = std::async(std::launch::async, [&] { return ReadWholeFile(path, out); });
    auto giveUpAt = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (reading.wait_for(std::chrono::milliseconds(100)) == std::future_status::timeout) {
        if (std::chrono::steady_clock::now() < giveUpAt)
            continue;
        int fd = open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0)
            close(fd);
    }
    return reading.get();
}

} // namespace

TEST(ReadWholeFile, ReadsEveryByteOfARegularFile) {
    TempDir dir;
    std::string bytes;
    for (int i = 0; i < 300000; ++i)
        bytes += static_cast<char>(i * 7);
    WriteBytes(dir.File("f"), bytes);
    std::string out = "untouched";
    EXPECT_EQ(ReadWholeFile(dir.File("f"), out), 0);
    EXPECT_EQ(out, bytes);
}

TEST(ReadWholeFile, RefusesWhatIsNotARegularFileOfAtMostTheLimit) {
    TempDir dir;
    ASSERT_EQ(mkfifo(dir.File("fifo").c_str(), 0600), 0);
    int socketFd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    ASSERT_GE(socketFd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::string socketPath = dir.File("socket");
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    socketPath.copy(address.sun_path, socketPath.size());
    int bound = bind(socketFd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    close(socketFd);
    ASSERT_EQ(bound, 0);
    // Sparse: one byte over the limit costs no disk space.
    int bigFd = open(dir.File("big").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_GE(bigFd, 0);
    int truncated = ftruncate(bigFd, kMaxReadFileSize + 1);
    close(bigFd);
    ASSERT_EQ(truncated, 0);

    struct Row {
        std::string path;
        const char* reason;
    };
    const Row rows[] = {
        {dir.File("missing"), "No such file or directory"},
        {dir.Path(), "Is a directory"},
        {dir.File("fifo"), "Is a named pipe"},
        {"/dev/null", "Is a device"},
        {socketPath, "Is a socket"},
        {dir.File("big"), "File is larger than 256 MB"},
    };
    for (const auto& row : rows) {
        std::string out = "untouched";
        int code = ReadWithoutHanging(row.path, out);
        EXPECT_NE(code, 0) << row.path;
        EXPECT_EQ(ReadFailureReason(code), row.reason) << row.path;
        EXPECT_TRUE(out == "untouched") << row.path; // not printed: it may be 256 MB
    }
}

TEST(AtomicFileWriter, ReplacesOnlyOnCommit) {
    TempDir dir;
    std::string target = dir.File("prog.tovix");
    WriteBytes(target, "old");
    {
        AtomicFileWriter w;
        ASSERT_EQ(w.Open(target), 0);
        ASSERT_EQ(w.Write("new content"), 0);
        EXPECT_EQ(ReadBytes(target), "old");
    } // destroyed without Commit
    EXPECT_EQ(ReadBytes(target), "old");
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"prog.tovix"});

    AtomicFileWriter w;
    ASSERT_EQ(w.Open(target), 0);
    std::string big(200000, 'x');
    ASSERT_EQ(w.Write(big), 0);
    ASSERT_EQ(w.WriteByte(0x0A), 0);
    ASSERT_EQ(w.Commit(), 0);
    EXPECT_EQ(ReadBytes(target), big + "\n");
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"prog.tovix"});
}

TEST(AtomicFileWriter, KeepsPermissionsAndFollowsLinks) {
    TempDir dir;
    std::string real = dir.File("real.tovix");
    WriteBytes(real, "old");
    ASSERT_EQ(chmod(real.c_str(), 0640), 0);
    ASSERT_EQ(symlink("real.tovix", dir.File("link.tovix").c_str()), 0);

    AtomicFileWriter w;
    ASSERT_EQ(w.Open(dir.File("link.tovix")), 0);
    ASSERT_EQ(w.Write("new"), 0);
    ASSERT_EQ(w.Commit(), 0);

    struct stat st;
    ASSERT_EQ(lstat(dir.File("link.tovix").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode)) << "the link itself stays a link";
    EXPECT_EQ(ReadBytes(real), "new");
    ASSERT_EQ(stat(real.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST(AtomicFileWriter, RefusesWhatMayNotBeWritten) {
    TempDir dir;
    std::string target = dir.File("ro.tovix");
    WriteBytes(target, "keep");
    ASSERT_EQ(chmod(target.c_str(), 0444), 0);
    std::string folder = dir.File("ro");
    ASSERT_EQ(mkdir(folder.c_str(), 0555), 0);
    ScopedNoPermissionOverride noOverride;
    if (!noOverride.Active())
        GTEST_SKIP() << "permissions cannot be made to bind here";
    AtomicFileWriter w;
    EXPECT_EQ(w.Open(target), EACCES) << "a read-only file is not replaced by a rename";
    EXPECT_EQ(ReadBytes(target), "keep");
    EXPECT_EQ(w.Open(folder + "/new.tovix"), EACCES);
    EXPECT_EQ(w.Open(dir.Path()), EISDIR);
}

TEST(WriteFileAtomically, EveryFailingStepLeavesTheOldFileAndNoTemporary) {
    TempDir dir;
    std::string target = dir.File("prog.tovix");
    std::string big(150000, 'y'); // several buffer flushes
    for (long k = 1;; ++k) {
        WriteBytes(target, "old");
        FileFaults::FailAt(k, ENOSPC);
        int err = WriteFileAtomically(target, [&](AtomicFileWriter& w) {
            int failed = w.Write(big);
            return failed != 0 ? failed : w.Write(big);
        });
        long seen = FileFaults::Operations();
        FileFaults::FailAt(0, 0);
        if (seen < k) {
            ASSERT_EQ(err, 0);
            EXPECT_EQ(ReadBytes(target), big + big);
            ASSERT_GT(k, 3) << "open, writes, sync and rename are all counted";
            break;
        }
        EXPECT_EQ(err, ENOSPC) << "operation " << k;
        EXPECT_EQ(ReadBytes(target), "old") << "operation " << k;
        EXPECT_EQ(dir.Entries(), std::vector<std::string>{"prog.tovix"}) << "operation " << k;
    }
}

TEST(AtomicFileWriter, WritesStreamsDirectlyAndRefusesOtherSpecialFiles) {
    TempDir dir;
    ASSERT_EQ(mkfifo(dir.File("read").c_str(), 0600), 0);
    ASSERT_EQ(mkfifo(dir.File("unread").c_str(), 0600), 0);
    int socketFd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::string socketPath = dir.File("socket");
    socketPath.copy(address.sun_path, socketPath.size());
    ASSERT_EQ(bind(socketFd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    close(socketFd);
    // A reader that is there before the writer comes, as a pipeline's.
    int reader = open(dir.File("read").c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(reader, 0);
    // The longest name a folder takes, in two-byte letters: its temporary name must fit too.
    std::string longName;
    while (longName.size() + 2 <= 251)
        longName += "я";
    longName += ".vcd";

    struct Row {
        std::string target;
        int code;
        std::string error; // WriteError's text
    };
    const Row rows[] = {
        {"/dev/null", 0, ""},
        {dir.File("read"), 0, ""},
        {dir.File(longName), 0, ""},
        {dir.File("unread"), wrNoReader, "Named pipe has no reader"},
        {socketPath, wrSocket, "Is a socket"},
        {dir.File("no/such/f"), wrNoFolder,
         "Folder \"" + dir.File("no/such") + "\" does not exist"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.target);
        AtomicFileWriter w;
        int code = w.Open(row.target);
        EXPECT_EQ(code, row.code);
        if (code == 0) {
            EXPECT_EQ(w.Write("streamed"), 0);
            EXPECT_EQ(w.Commit(), 0);
        } else {
            EXPECT_EQ(WriteError(code, row.target).what(), row.error);
        }
    }
    char got[16] = {};
    EXPECT_EQ(read(reader, got, sizeof got), 8);
    close(reader);
    EXPECT_STREQ(got, "streamed");
    EXPECT_EQ(ReadBytes(dir.File(longName)), "streamed");
    struct stat st;
    ASSERT_EQ(stat("/dev/null", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"read", "socket", "unread", longName}));
    EXPECT_EQ(WriteFailureReason(wrNoFolder), "No such file or directory");
}
