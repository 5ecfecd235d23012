// The recovery lock over flock(2).
#include "workbench/RecoveryLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <utility>

std::optional<TRecoveryLock> TRecoveryLock::TryTake(const std::string& path) {
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return std::nullopt;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return std::nullopt;
    }
    return TRecoveryLock(fd, path);
}

TRecoveryLock::TRecoveryLock(TRecoveryLock&& other) noexcept
    : FFd(std::exchange(other.FFd, -1)), FPath(std::move(other.FPath)) {}

TRecoveryLock& TRecoveryLock::operator=(TRecoveryLock&& other) noexcept {
    if (this != &other) {
        if (FFd >= 0)
            ::close(FFd);
        FFd = std::exchange(other.FFd, -1);
        FPath = std::move(other.FPath);
    }
    return *this;
}

TRecoveryLock::~TRecoveryLock() {
    if (FFd >= 0)
        ::close(FFd);
}

void TRecoveryLock::Remove() {
    if (FFd < 0)
        return;
    ::unlink(FPath.c_str());
    ::close(std::exchange(FFd, -1));
}
