// Intel HEX records.
#include "compiler/IntelHex.h"

#include <stdexcept>

namespace {

constexpr std::size_t kRecordBytes = 16;

void AppendHexByte(std::string& out, unsigned value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    out += kDigits[(value >> 4) & 0xF];
    out += kDigits[value & 0xF];
}

// ":LLAAAATT<data>CC\n", CC making the sum of all bytes of the record 0 modulo 256.
void AppendRecord(std::string& out, unsigned address, unsigned type, std::string_view data) {
    unsigned sum = static_cast<unsigned>(data.size()) + (address >> 8) + (address & 0xFF) + type;
    out += ':';
    AppendHexByte(out, static_cast<unsigned>(data.size()));
    AppendHexByte(out, address >> 8);
    AppendHexByte(out, address & 0xFF);
    AppendHexByte(out, type);
    for (unsigned char b : data) {
        AppendHexByte(out, b);
        sum += b;
    }
    AppendHexByte(out, (0x100 - (sum & 0xFF)) & 0xFF);
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
