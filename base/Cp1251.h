// The Windows-1251 code page of program text, decoded and encoded at the edges (painting, the
// clipboard, typed keys, texts the system adds to a program).
#pragma once

#include <string>
#include <string_view>

// Decodes single-byte Windows-1251 text to UTF-8. The one byte the code page leaves undefined
// (0x98) becomes U+FFFD.
std::string Cp1251ToUtf8(std::string_view bytes);

// Encodes UTF-8 text to Windows-1251; characters the code page cannot hold, and bytes that are
// not valid UTF-8, are dropped.
std::string Utf8ToCp1251(std::string_view utf8);

// The Unicode code point of one Windows-1251 byte.
char32_t Cp1251CodePoint(unsigned char byte);
// The Windows-1251 byte of a code point, or -1 when the code page has none.
int Cp1251Byte(char32_t codePoint);
