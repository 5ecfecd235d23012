// Offsets, bytes and registers as the workbench and its tools write them: upper-case hexadecimal
// digits, padded with zeros to a width.
#pragma once

#include <string>

// value in at least digits digits: HexDigits(255, 4) is "00FF", HexDigits(0x1234, 2) "1234".
std::string HexDigits(unsigned value, int digits);
// Appends HexDigits(value, digits) to out.
void AppendHexDigits(std::string& out, unsigned value, int digits);
