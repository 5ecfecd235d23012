// Case mapping of single-byte Windows-1251 text: Latin and Cyrillic letters.
#pragma once

#include <string>
#include <string_view>

char AnsiLowerChar(char c);
char AnsiUpperChar(char c);
std::string AnsiLowerCase(std::string_view s);
std::string AnsiUpperCase(std::string_view s);
// Compares two texts without regard to case, byte by byte after lower-casing: <0, 0, >0.
int AnsiCompareText(std::string_view a, std::string_view b);
