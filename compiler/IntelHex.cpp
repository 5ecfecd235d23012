// Intel HEX records.
#include "compiler/IntelHex.h"

#include "base/HexDigits.h"

#include <stdexcept>

namespace {

constexpr std::size_t kRecordBytes = 16;

// ":LLAAAATT<data>CC\n", CC making the sum of all bytes of the record 0 modulo 256.
void AppendRecord(std::string& out, unsigned address, unsigned type, std::string_view data) {
    unsigned sum = static_cast<unsigned>(data.size()) + (address >> 8) + (address & 0xFF) + type;
    out += ':';
    AppendHexDigits(out, static_cast<unsigned>(data.size()), 2);
    AppendHexDigits(out, address >> 8, 2);
    AppendHexDigits(out, address & 0xFF, 2);
    AppendHexDigits(out, type, 2);
    for (unsigned char b : data) {
        AppendHexDigits(out, b, 2);
        sum += b;
    }
    AppendHexDigits(out, (0x100 - (sum & 0xFF)) & 0xFF, 2);
    out += '\n';
}

} // namespace

std::string IntelHexText(std::string_view image) {
    if (image.size() > kMaxIntelHexImage)
        throw std::length_error("image larger than 64 KiB");
    std::string out;
    out.reserve((image.size() / kRecordBytes + 2) * (11 + 2 * kRecordBytes + 1));
    for (std::size_t at = 0; at < image.size(); at += kRecordBytes)
        AppendRecord(out, static_cast<unsigned>(at), 0x00, image.substr(at, kRecordBytes));
    AppendRecord(out, 0, 0x01, {});
    return out;
}
