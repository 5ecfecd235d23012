// The byte image as Intel HEX text, for EEPROM programmers that read it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Addresses are 16 bits: an image of more bytes has no Intel HEX form here.
constexpr std::size_t kMaxIntelHexImage = 0x10000;

// Data records (type 00) of 16 bytes, the last one shorter, at addresses from 0000, then the
// end-of-file record ":00000001FF"; upper-case digits, each record ended by LF. An empty image
// gives the end record alone. Raises std::length_error for an image over kMaxIntelHexImage.
std::string IntelHexText(std::string_view image);
