// The byte image writer: the compile's one output file. Bytes go to a temporary file beside the
// image, which replaces the image only when CloseImage succeeds; until then, and after any
// failure, an earlier image of that name stays exactly as it was.
#pragma once

#include "base/FileIO.h"

#include <memory>
#include <string>
#include <string_view>

// The byte value that text names as exactly two digits of 0123456789abcdef (lower case only),
// or -1 for any other text.
int HexPairValue(std::string_view text);

class TImageWriter {
public:
    TImageWriter() = default;
    TImageWriter(const TImageWriter&) = delete;
    TImageWriter& operator=(const TImageWriter&) = delete;
    // Abandons an image that was not closed.
    ~TImageWriter() = default;

    // Starts the image name. Raises EInOutError ("File access denied", "Invalid filename",
    // "I/O error %d", ...) when it cannot be created there.
    void OpenImage(const std::string& name);
    // Appends one byte (0..255). Raises EInOutError on failure.
    void WriteImageByte(int value);
    // Appends the byte that text names (HexPairValue), or nothing for any other text. Returns
    // the byte appended, or -1 when there was none. Raises EInOutError on failure.
    int WriteHexPair(std::string_view text);
    // Writes out every byte and puts the image in place. Raises EInOutError on failure, which
    // leaves the earlier image whole.
    void CloseImage();
    // Drops what was written; the earlier image stays.
    void Abandon();

    bool IsOpen() const { return FFile.IsOpen(); }

private:
    void Check(int err);
    void Flush();

    // Bytes are gathered here and handed to the file a chunk at a time.
    static constexpr std::size_t kChunk = 1 << 16;

    AtomicFileWriter FFile;
    std::string FName;
    std::unique_ptr<char[]> FChunk;
    std::size_t FUsed = 0;
};
