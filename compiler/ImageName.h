// The name of the byte image that a program file compiles to.
#pragma once

#include <string>

// A path ending in ".tovix" (any letter case) loses it and gets ".bin"; any other path has the
// extension of its file name replaced by ".bin", or ".bin" appended when the file name has none
// (a leading dot starts no extension). Should that name the program file itself, ".bin" is
// appended to the whole path instead. Both '/' and '\' end a folder name.
std::string ImageNameFor(const std::string& programPath);
