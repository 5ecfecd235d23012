// File reading and atomic file replacement. Both report failures as errno values so that each
// caller can raise the runtime error its own operation is known by.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Reads the whole file at path into out. Returns 0, or the errno of the failure (out is then
// left unchanged).
int ReadWholeFile(const std::string& path, std::string& out);

// Writes a file by way of a temporary file beside it, renamed over the target only when every
// byte has reached the disk. Until Commit succeeds the target stays exactly as it was; a writer
// destroyed without a successful Commit removes its temporary file.
//
// A target that is a symbolic link is followed to the file it names; an existing target's
// permission bits are kept, a new file gets the ones the process's umask allows.
class AtomicFileWriter {
public:
    AtomicFileWriter() = default;
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;
    ~AtomicFileWriter();

    // Starts writing the file target. Returns 0 or errno (EACCES for an existing target that
    // may not be written, EISDIR for a folder).
    int Open(const std::string& target);
    // Appends bytes (buffered). Returns 0 or errno; after a failure the writer stays failed.
    int Write(std::string_view bytes);
    int WriteByte(unsigned char value);
    // Writes out the buffer, syncs and renames the temporary file over the target.
    int Commit();
    // Removes the temporary file; the target is untouched.
    void Abandon();

    bool IsOpen() const { return FFd >= 0; }

private:
    int Flush();

    int FFd = -1;
    std::string FTarget;
    std::string FTempPath;
    std::string FBuffer;
};

// A seam for tests: makes the k-th fallible file operation (open, write, sync, rename) from now
// on fail with the given errno. k = 0 switches the injection off.
namespace FileFaults {
void FailAt(long k, int err);
// Number of fallible operations counted since the last FailAt.
long Operations();
// Counts one operation; returns the errno to fail it with, or 0.
int Next();
} // namespace FileFaults
