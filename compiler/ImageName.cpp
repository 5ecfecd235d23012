// Naming the byte image after the program file.
#include "compiler/ImageName.h"

#include <cctype>

namespace {

bool EndsWithTovix(const std::string& path) {
    static constexpr std::string_view kExt = ".tovix";
    if (path.size() < kExt.size())
        return false;
    for (std::size_t i = 0; i < kExt.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(path[path.size() - kExt.size() + i]);
        if (std::tolower(c) != kExt[i])
            return false;
    }
    return true;
}

} // namespace

std::string ImageNameFor(const std::string& programPath) {
    std::string image;
    if (EndsWithTovix(programPath)) {
        image = programPath.substr(0, programPath.size() - 6) + ".bin";
    } else {
        std::size_t nameStart = programPath.find_last_of("/\\");
        nameStart = nameStart == std::string::npos ? 0 : nameStart + 1;
        std::size_t dot = programPath.find_last_of('.');
        if (dot != std::string::npos && dot > nameStart)
            image = programPath.substr(0, dot) + ".bin";
        else
            image = programPath + ".bin";
    }
    if (image == programPath)
        image = programPath + ".bin";
    return image;
}
