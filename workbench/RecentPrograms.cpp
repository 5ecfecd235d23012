// The recent programs list.
#include "workbench/RecentPrograms.h"

#include <algorithm>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

// The path the file system resolves path to: the canonical path where the file exists, else
// the absolute path with "." and ".." resolved, so that two spellings of one file compare equal.
fs::path Resolved(const std::string& path) {
    std::error_code error;
    fs::path canonical = fs::canonical(path, error);
    if (!error)
        return canonical;
    fs::path absolute = fs::absolute(path, error);
    return (error ? fs::path(path) : absolute).lexically_normal();
}

} // namespace

TRecentPrograms::TRecentPrograms(const std::vector<std::string>& paths) {
    // Oldest first, so that the newest spelling of a file wins and keeps its place.
    for (auto path = paths.rbegin(); path != paths.rend(); ++path)
        if (!path->empty())
            Add(*path);
}

void TRecentPrograms::Add(const std::string& path) {
    Remove(path);
    FPaths.insert(FPaths.begin(), path);
    if (FPaths.size() > kMaxCount)
        FPaths.resize(kMaxCount);
}

void TRecentPrograms::Remove(const std::string& path) {
    const fs::path resolved = Resolved(path);
    std::erase_if(FPaths, [&](const std::string& entry) {
        return entry == path || Resolved(entry) == resolved;
    });
}
