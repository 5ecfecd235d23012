// The lock an instance of the workbench holds beside each recovery file it keeps: an advisory
// lock (flock) on a file of its own, which the system releases when the process ends in any way,
// a SIGKILL too. A recovery file whose lock can be taken belongs to no running instance.
#pragma once

#include <optional>
#include <string>

class TRecoveryLock {
public:
    // Takes the lock of path, creating the file; nothing when another open lock holds it (in
    // this process too) or the file cannot be made.
    static std::optional<TRecoveryLock> TryTake(const std::string& path);

    TRecoveryLock(TRecoveryLock&& other) noexcept;
    TRecoveryLock& operator=(TRecoveryLock&& other) noexcept;
    TRecoveryLock(const TRecoveryLock&) = delete;
    TRecoveryLock& operator=(const TRecoveryLock&) = delete;
    // Releases the lock; its file stays for the next holder.
    ~TRecoveryLock();

    // Removes the lock's file and releases the lock: the recovery file it guarded is gone.
    void Remove();

private:
    TRecoveryLock(int fd, std::string path) : FFd(fd), FPath(std::move(path)) {}

    int FFd = -1;
    std::string FPath;
};
