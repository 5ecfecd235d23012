// Tests of files that may not be written, also when the tests run as root.
#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

// While alive, the process cannot override file permissions even when it runs as root, so
// that a folder without write permission really refuses new files. Active() is false when
// the capabilities cannot be changed.
class ScopedNoPermissionOverride {
public:
    ScopedNoPermissionOverride() {
        if (::geteuid() != 0) {
            FActive = true;
            return;
        }
        FHeader.version = _LINUX_CAPABILITY_VERSION_3;
        FHeader.pid = 0;
        if (::syscall(SYS_capget, &FHeader, FSaved) != 0)
            return;
        __user_cap_data_struct reduced[2] = {FSaved[0], FSaved[1]};
        reduced[0].effective &=
            ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER));
        FActive = ::syscall(SYS_capset, &FHeader, reduced) == 0;
        FChanged = FActive;
    }
    ~ScopedNoPermissionOverride() {
        if (FChanged)
            ::syscall(SYS_capset, &FHeader, FSaved);
    }
    ScopedNoPermissionOverride(const ScopedNoPermissionOverride&) = delete;
    ScopedNoPermissionOverride& operator=(const ScopedNoPermissionOverride&) = delete;

    bool Active() const { return FActive; }

private:
    __user_cap_header_struct FHeader{};
    __user_cap_data_struct FSaved[2]{};
    bool FActive = false;
    bool FChanged = false;
};
