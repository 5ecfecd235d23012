// Reading whole files and replacing files atomically.
#include "base/FileIO.h"

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

int ReadWholeFile(const std::string& path, std::string& out) {
    if (int err = FileFaults::Next())
        return err;
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    struct stat st;
    if (fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        int err = S_ISDIR(st.st_mode) ? EISDIR : errno;
        ::close(fd);
        return err;
    }
    std::string data;
    data.resize(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 0));
    std::size_t used = 0;
    for (;;) {
        if (used == data.size())
            data.resize(data.size() + kBufferSize);
        ssize_t n = ::read(fd, data.data() + used, data.size() - used);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            int err = errno;
            ::close(fd);
            return err;
        }
        if (n == 0)
            break;
        used += static_cast<std::size_t>(n);
    }
    ::close(fd);
    data.resize(used);
    out = std::move(data);
    return 0;
}

AtomicFileWriter::~AtomicFileWriter() {
    Abandon();
}

int AtomicFileWriter::Open(const std::string& target) {
    Abandon();
    FTarget = FollowLinks(target);
    mode_t mode = DefaultFileMode();
    struct stat st;
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
    std::string name = FTarget.substr(FTarget.find_last_of('/') + 1);
    std::string temp = DirectoryOf(FTarget) + "/." + name + ".XXXXXX";
    int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        return errno;
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
    if (!FTempPath.empty()) {
        ::unlink(FTempPath.c_str());
        FTempPath.clear();
    }
    FBuffer.clear();
}
