// The runtime's error types. Every failure that reaches the user is one of these; its what() is
// the exact text the error box shows.
#pragma once

#include <stdexcept>
#include <string>

// Base of all runtime errors: a message for the user, nothing more.
class ERuntimeError : public std::runtime_error {
public:
    explicit ERuntimeError(const std::string& message) : std::runtime_error(message) {}
};

// "Cannot open file "%s". %s"
class EFOpenError : public ERuntimeError {
public:
    EFOpenError(const std::string& fileName, const std::string& reason);
};

// "Cannot create file "%s". %s"
class EFCreateError : public ERuntimeError {
public:
    EFCreateError(const std::string& fileName, const std::string& reason);
};

// "List index out of bounds (%d)"
class EListError : public ERuntimeError {
public:
    explicit EListError(long long index);
};

// An input/output error of the runtime's file procedures, carrying the runtime's error code
// ("File not found", "File access denied", "Disk full", "I/O error %d", ...).
class EInOutError : public ERuntimeError {
public:
    explicit EInOutError(int errorCode);
    // An error of that code with a text of its own.
    EInOutError(int errorCode, const std::string& text);
    // The error the runtime reports for a failed system call with errno err.
    static EInOutError FromErrno(int err);
    int ErrorCode() const { return FErrorCode; }

    // The runtime's text for one of its codes.
    static std::string TextOf(int errorCode);

private:
    int FErrorCode;
};

// The system's own reason for errno value err, as the second part of the open/create texts.
std::string SystemReason(int err);
