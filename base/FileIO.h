// File reading and atomic file replacement. Both report failures as codes (errno values, and a
// few refusals of their own when reading) so that each caller can raise the runtime error its
// own operation is known by.
#pragma once

#include "base/Errors.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// The largest file ReadWholeFile reads: 256 MiB. Programs are a few kilobytes; the limit keeps a
// wrong name from filling the memory. Its text for the user is "File is larger than 256 MB".
inline constexpr std::int64_t kMaxReadFileSize = std::int64_t{256} << 20;

// Files ReadWholeFile refuses although the system would read them. Negative, so that they never
// equal an errno value.
enum TReadRefusal : int {
    rrNamedPipe = -1,
    rrDevice = -2,
    rrSocket = -3,
    rrNotRegular = -4, // any other kind of file that is not a regular one
    rrTooLarge = -5,   // over kMaxReadFileSize
};

// Reads the whole file at path into out. Only a regular file of at most limit bytes is read
// (rrTooLarge otherwise); opening never waits (a FIFO without a writer, a device). Returns 0,
// the errno of the failure (EISDIR for a folder) or a TReadRefusal; out is then left unchanged.
int ReadWholeFile(const std::string& path, std::string& out, std::int64_t limit = kMaxReadFileSize);

// The reason to show for a failure code of ReadWholeFile, as the second part of "Cannot open
// file "%s". %s": the system's text for an errno value, a text in its style for a refusal.
std::string ReadFailureReason(int code);

// Files AtomicFileWriter refuses to write, beside errno values. Negative, as TReadRefusal.
enum TWriteRefusal : int {
    wrNoFolder = -20,    // the folder the file would go in does not exist
    wrNoReader = -21,    // a named pipe that nobody reads
    wrBlockDevice = -22, // never written: a disk, not a stream
    wrSocket = -23,
    wrNotRegular = -24, // any other kind of special file
};

// The reason to show for a failure code of AtomicFileWriter, as the second part of "Cannot
// create file "%s". %s": the system's text for an errno value (a missing folder's too), a text
// in its style for a refusal.
std::string WriteFailureReason(int code);
// The runtime's input/output error for a failure code of AtomicFileWriter writing target:
// EInOutError::FromErrno's for an errno value, "Folder "DIR" does not exist" where the folder
// is missing, the reason above for another refusal.
EInOutError WriteError(int code, const std::string& target);

// Writes a file by way of a temporary file beside it, renamed over the target only when every
// byte has reached the disk. Until Commit succeeds the target stays exactly as it was; a writer
// destroyed without a successful Commit removes its temporary file.
//
// A target that is a symbolic link is followed to the file it names; an existing target's
// permission bits are kept, a new file gets the ones the process's umask allows.
//
// Only a regular file is ever replaced. An existing character device or named pipe (a terminal,
// /dev/null, /dev/stdout of a pipeline) is written directly instead, as a stream: what was
// written before a failure has gone. Other special files are refused.
class AtomicFileWriter {
public:
    AtomicFileWriter() = default;
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;
    ~AtomicFileWriter();

    // Starts writing the file target. Returns 0, errno (EACCES for an existing target that
    // may not be written, EISDIR for a folder) or a TWriteRefusal.
    int Open(const std::string& target);
    // Appends bytes (buffered). Returns 0 or errno; after a failure the writer stays failed.
    int Write(std::string_view bytes);
    int WriteByte(unsigned char value);
    // Writes out the buffer, syncs and renames the temporary file over the target.
    int Commit();
    // Removes the temporary file; the target is untouched (a stream target keeps what it has
    // been given).
    void Abandon();

    bool IsOpen() const { return FFd >= 0; }

private:
    int Flush();
    int OpenStream(const std::string& target, bool namedPipe);

    int FFd = -1;
    bool FStream = false; // writing a device or pipe directly
    std::string FTarget;
    std::string FTempPath;
    std::string FBuffer;
};

// The one way the workbench and its tools write a file: opens path with an AtomicFileWriter,
// lets fill write the contents and commits when fill returns 0. Returns 0 or the first failure's
// code (Open's, fill's or Commit's), for WriteError and WriteFailureReason; after a failure an
// earlier file stays as it was and no temporary file is left.
int WriteFileAtomically(const std::string& path, const std::function<int(AtomicFileWriter&)>& fill);

// True when both paths name one file: spelt alike, or existing files however they are spelt
// (links, "./", hard links: the same device and inode).
bool SameFile(const std::string& a, const std::string& b);

// A seam for tests: makes the k-th fallible file operation (open, write, sync, rename) from now
// on fail with the given errno. k = 0 switches the injection off.
namespace FileFaults {
void FailAt(long k, int err);
// Number of fallible operations counted since the last FailAt.
long Operations();
// Counts one operation; returns the errno to fail it with, or 0.
int Next();
} // namespace FileFaults
