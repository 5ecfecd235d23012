// Reading whole files and replacing files atomically.
#include "base/FileIO.h"

#include "base/Errors.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

long gFailAt = 0;
int gFailErrno = 0;
long gOperations = 0;

constexpr std::size_t kBufferSize = 1 << 16;

std::string DirectoryOf(const std::string& path) {
    auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

// Follows symbolic links from path to the file that would really be written.
std::string FollowLinks(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st;
        if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        std::string link(PATH_MAX, '\0');
        ssize_t n = readlink(path.c_str(), link.data(), link.size());
        if (n <= 0)
            return path;
        link.resize(static_cast<std::size_t>(n));
        if (link.front() == '/')
            path = link;
        else
            path = DirectoryOf(path) + "/" + link;
    }
    return path;
}

// ".NAME.XXXXXX" for mkostemp, the name cut short (at a UTF-8 character's start) where the
// whole would not fit in a folder entry: it only has to be unique in the folder.
std::string TemporaryName(const std::string& name) {
    constexpr std::size_t kRoom = NAME_MAX - std::char_traits<char>::length("..XXXXXX");
    std::size_t size = name.size();
    if (size > kRoom) {
        size = kRoom;
        while (size > 0 && (static_cast<unsigned char>(name[size]) & 0xC0) == 0x80)
            --size;
    }
    return "." + name.substr(0, size) + ".XXXXXX";
}

mode_t DefaultFileMode() {
    mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

int WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        if (int err = FileFaults::Next())
            return err;
        ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return 0;
}

// Closes the descriptor it holds.
struct TDescriptor {
    explicit TDescriptor(int fd) : Fd(fd) {}
    TDescriptor(const TDescriptor&) = delete;
    TDescriptor& operator=(const TDescriptor&) = delete;
    ~TDescriptor() {
        if (Fd >= 0)
            ::close(Fd);
    }
    int Fd;
};

// Why a file of this kind is not read, or 0 for a regular file of at most the limit.
int RefusalOf(const struct stat& st, std::int64_t limit) {
    if (S_ISREG(st.st_mode))
        return st.st_size > limit ? rrTooLarge : 0;
    if (S_ISDIR(st.st_mode))
        return EISDIR;
    if (S_ISFIFO(st.st_mode))
        return rrNamedPipe;
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
        return rrDevice;
    if (S_ISSOCK(st.st_mode))
        return rrSocket;
    return rrNotRegular;
}

} // namespace

namespace FileFaults {
void FailAt(long k, int err) {
    gFailAt = k;
    gFailErrno = err;
    gOperations = 0;
}
long Operations() {
    return gOperations;
}
int Next() {
    ++gOperations;
    if (gFailAt > 0 && gOperations == gFailAt)
        return gFailErrno;
    return 0;
}
} // namespace FileFaults

int ReadWholeFile(const std::string& path, std::string& out, std::int64_t limit) {
    if (int err = FileFaults::Next())
        return err;
    // Non-blocking, so that a FIFO without a writer or a device that waits for one cannot hold
    // the open; a terminal must not become the controlling one either.
    TDescriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    if (file.Fd < 0) {
        int err = errno;
        struct stat st;
        // A socket cannot be opened at all; say what it is rather than "No such device or
        // address".
        if (err == ENXIO && ::stat(path.c_str(), &st) == 0 && S_ISSOCK(st.st_mode))
            return rrSocket;
        return err;
    }
    struct stat st;
    if (::fstat(file.Fd, &st) != 0)
        return errno;
    limit = std::clamp<std::int64_t>(limit, 0, kMaxReadFileSize);
    if (int refusal = RefusalOf(st, limit))
        return refusal;
    // Reads wait for their data as usual: some file systems (FUSE, for one) pass the flag on.
    int flags = ::fcntl(file.Fd, F_GETFL);
    if (flags < 0 || ::fcntl(file.Fd, F_SETFL, flags & ~O_NONBLOCK) != 0)
        return errno;

    // The size is only a first guess (files under /proc say 0), and the file may grow while it
    // is read: reading stops one byte past the limit.
    const auto most = static_cast<std::size_t>(limit);
    std::string data;
    data.resize(static_cast<std::size_t>(st.st_size));
    std::size_t used = 0;
    for (;;) {
        if (used == data.size()) {
            if (used > most)
                return rrTooLarge;
            data.resize(std::min(used + kBufferSize, most + 1));
        }
        ssize_t n = ::read(file.Fd, data.data() + used, data.size() - used);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            break;
        used += static_cast<std::size_t>(n);
    }
    data.resize(used);
    out = std::move(data);
    return 0;
}

std::string ReadFailureReason(int code) {
    switch (code) {
    case rrNamedPipe:
        return "Is a named pipe";
    case rrDevice:
        return "Is a device";
    case rrSocket:
        return "Is a socket";
    case rrNotRegular:
        return "Is not a regular file";
    case rrTooLarge:
        return "File is larger than " + std::to_string(kMaxReadFileSize >> 20) + " MB";
    default:
        return SystemReason(code);
    }
}

bool SameFile(const std::string& a, const std::string& b) {
    if (a == b)
        return true;
    struct stat sa, sb;
    if (::stat(a.c_str(), &sa) != 0 || ::stat(b.c_str(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

std::string WriteFailureReason(int code) {
    switch (code) {
    case wrNoFolder:
        return SystemReason(ENOENT);
    case wrNoReader:
        return "Named pipe has no reader";
    case wrBlockDevice:
        return "Is a block device";
    case wrSocket:
        return "Is a socket";
    case wrNotRegular:
        return "Is not a regular file";
    default:
        return SystemReason(code);
    }
}

EInOutError WriteError(int code, const std::string& target) {
    if (code >= 0)
        return EInOutError::FromErrno(code);
    // The runtime's codes for a path that is not there and for a file it may not use.
    if (code == wrNoFolder)
        return EInOutError(3, "Folder \"" + DirectoryOf(FollowLinks(target)) + "\" does not exist");
    return EInOutError(5, WriteFailureReason(code));
}

AtomicFileWriter::~AtomicFileWriter() {
    Abandon();
}

int AtomicFileWriter::Open(const std::string& target) {
    Abandon();
    // stat follows every link, those of /proc/self/fd too, to what would really be written.
    struct stat st;
    if (::stat(target.c_str(), &st) == 0 && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode)) {
        if (S_ISCHR(st.st_mode) || S_ISFIFO(st.st_mode))
            return OpenStream(target, S_ISFIFO(st.st_mode));
        if (S_ISBLK(st.st_mode))
            return wrBlockDevice;
        return S_ISSOCK(st.st_mode) ? wrSocket : wrNotRegular;
    }
    FTarget = FollowLinks(target);
    mode_t mode = DefaultFileMode();
    bool exists = ::stat(FTarget.c_str(), &st) == 0;
    if (exists) {
        if (S_ISDIR(st.st_mode))
            return EISDIR;
        // Replacing by rename would bypass the file's own write protection.
        if (::faccessat(AT_FDCWD, FTarget.c_str(), W_OK, AT_EACCESS) != 0)
            return errno;
        mode = st.st_mode & 07777;
    }
    if (int err = FileFaults::Next())
        return err;
    const std::string folder = DirectoryOf(FTarget);
    std::string temp = folder + "/" + TemporaryName(FTarget.substr(FTarget.find_last_of('/') + 1));
    int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) {
        int err = errno;
        struct stat folderStat;
        if ((err == ENOENT || err == ENOTDIR) &&
            (::stat(folder.c_str(), &folderStat) != 0 || !S_ISDIR(folderStat.st_mode)))
            return wrNoFolder;
        return err;
    }
    FFd = fd;
    FTempPath = temp;
    if (::fchmod(FFd, mode) != 0) {
        int err = errno;
        Abandon();
        return err;
    }
    if (exists) {
        // Keeping the owner is possible only for a privileged process; the mode is kept anyway.
        [[maybe_unused]] int ignored = ::fchown(FFd, st.st_uid, st.st_gid);
    }
    FBuffer.clear();
    FBuffer.reserve(kBufferSize);
    return 0;
}

int AtomicFileWriter::OpenStream(const std::string& target, bool namedPipe) {
    if (int err = FileFaults::Next())
        return err;
    // Non-blocking, so that a pipe nobody reads fails at once instead of holding the open for
    // ever; writes then wait as usual.
    int fd = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENXIO && namedPipe ? wrNoReader : errno;
    int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        int err = errno;
        ::close(fd);
        return err;
    }
    FFd = fd;
    FStream = true;
    FTarget = target;
    FBuffer.clear();
    FBuffer.reserve(kBufferSize);
    return 0;
}

int AtomicFileWriter::Flush() {
    if (FBuffer.empty())
        return 0;
    int err = WriteAll(FFd, FBuffer.data(), FBuffer.size());
    FBuffer.clear();
    return err;
}

int AtomicFileWriter::Write(std::string_view bytes) {
    if (FFd < 0)
        return EBADF;
    if (FBuffer.size() + bytes.size() > kBufferSize) {
        if (int err = Flush())
            return err;
        if (bytes.size() >= kBufferSize)
            return WriteAll(FFd, bytes.data(), bytes.size());
    }
    FBuffer.append(bytes);
    return 0;
}

int AtomicFileWriter::WriteByte(unsigned char value) {
    char c = static_cast<char>(value);
    return Write(std::string_view(&c, 1));
}

int AtomicFileWriter::Commit() {
    if (FFd < 0)
        return EBADF;
    if (int err = Flush())
        return err;
    if (FStream) {
        int fd = FFd;
        FFd = -1;
        FStream = false;
        return ::close(fd) != 0 ? errno : 0;
    }
    if (int err = FileFaults::Next())
        return err;
    if (::fsync(FFd) != 0)
        return errno;
    int fd = FFd;
    FFd = -1;
    if (::close(fd) != 0) {
        int err = errno;
        ::unlink(FTempPath.c_str());
        FTempPath.clear();
        return err;
    }
    if (int err = FileFaults::Next()) {
        ::unlink(FTempPath.c_str());
        FTempPath.clear();
        return err;
    }
    if (::rename(FTempPath.c_str(), FTarget.c_str()) != 0) {
        int err = errno;
        ::unlink(FTempPath.c_str());
        FTempPath.clear();
        return err;
    }
    FTempPath.clear();
    // Make the rename itself durable; a failure here cannot undo what is already in place.
    int dir = ::open(DirectoryOf(FTarget).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return 0;
}

void AtomicFileWriter::Abandon() {
    if (FFd >= 0) {
        ::close(FFd);
        FFd = -1;
    }
    FStream = false;
    if (!FTempPath.empty()) {
        ::unlink(FTempPath.c_str());
        FTempPath.clear();
    }
    FBuffer.clear();
}

int WriteFileAtomically(const std::string& path,
                        const std::function<int(AtomicFileWriter&)>& fill) {
    AtomicFileWriter file;
    int err = file.Open(path);
    if (err == 0)
        err = fill(file);
    if (err == 0)
        err = file.Commit();
    return err;
}
