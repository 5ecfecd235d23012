// Texts of the runtime's errors.
#include "base/Errors.h"

#include <cerrno>
#include <cstring>

namespace {

// The runtime's input/output error codes that have texts of their own.
enum : int {
    ioFileNotFound = 2,
    ioInvalidFilename = 3,
    ioTooManyOpenFiles = 4,
    ioAccessDenied = 5,
    ioWriteFault = 29,
    ioDiskFull = 101,
};

} // namespace

EFOpenError::EFOpenError(const std::string& fileName, const std::string& reason)
    : ERuntimeError("Cannot open file \"" + fileName + "\". " + reason) {}

EFCreateError::EFCreateError(const std::string& fileName, const std::string& reason)
    : ERuntimeError("Cannot create file \"" + fileName + "\". " + reason) {}

EListError::EListError(long long index)
    : ERuntimeError("List index out of bounds (" + std::to_string(index) + ")") {}

EInOutError::EInOutError(int errorCode) : ERuntimeError(TextOf(errorCode)), FErrorCode(errorCode) {}

int EInOutError::CodeFromErrno(int err) {
    switch (err) {
    case ENOENT:
        // A missing folder on the way to a file that is being created.
        return ioInvalidFilename;
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
        return ioInvalidFilename;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
        return ioAccessDenied;
    case EMFILE:
    case ENFILE:
        return ioTooManyOpenFiles;
    case EIO:
        // Its errno value would read as "File access denied".
        return ioWriteFault;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return ioDiskFull;
    default:
        return err;
    }
}

std::string EInOutError::TextOf(int errorCode) {
    switch (errorCode) {
    case ioFileNotFound:
        return "File not found";
    case ioInvalidFilename:
        return "Invalid filename";
    case ioTooManyOpenFiles:
        return "Too many open files";
    case ioAccessDenied:
        return "File access denied";
    case ioDiskFull:
        return "Disk full";
    default:
        return "I/O error " + std::to_string(errorCode);
    }
}

std::string SystemReason(int err) {
    return std::strerror(err);
}
