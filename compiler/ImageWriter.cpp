// The byte image writer over the atomic file writer.
#include "compiler/ImageWriter.h"

#include "base/Errors.h"

#include <cerrno>

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

int HexPairValue(std::string_view text) {
    if (text.size() != 2)
        return -1;
    int high = HexDigit(text[0]);
    int low = HexDigit(text[1]);
    if (high < 0 || low < 0)
        return -1;
    return high * 16 + low;
}

void TImageWriter::Check(int err) {
    if (err == 0)
        return;
    Abandon();
    throw WriteError(err, FName);
}

void TImageWriter::Abandon() {
    FFile.Abandon();
    FUsed = 0;
}

void TImageWriter::Flush() {
    std::size_t used = FUsed;
    FUsed = 0;
    Check(FFile.Write(std::string_view(FChunk.get(), used)));
}

void TImageWriter::OpenImage(const std::string& name) {
    Abandon();
    // An empty name is no file name at all; the writer would otherwise create a temporary
    // file in the current folder and fail only at the rename.
    FName = name;
    Check(name.empty() ? ENOENT : FFile.Open(name));
    if (!FChunk)
        FChunk = std::make_unique<char[]>(kChunk);
}

void TImageWriter::WriteImageByte(int value) {
    if (!FFile.IsOpen())
        Check(EBADF);
    if (FUsed == kChunk)
        Flush();
    FChunk[FUsed++] = static_cast<char>(value);
}

int TImageWriter::WriteHexPair(std::string_view text) {
    int value = HexPairValue(text);
    if (value >= 0)
        WriteImageByte(value);
    return value;
}

void TImageWriter::CloseImage() {
    if (!FFile.IsOpen())
        Check(EBADF);
    Flush();
    Check(FFile.Commit());
}
