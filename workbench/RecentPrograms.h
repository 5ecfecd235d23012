// File > Недавние программы: the last programs opened or saved, newest first. Two spellings of
// one file (a relative path, "..", a symbolic link) are one entry; the spelling kept is the one
// added last.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

class TRecentPrograms {
public:
    static constexpr std::size_t kMaxCount = 10;

    TRecentPrograms() = default;
    // The list as it was kept, newest first: empty paths and later spellings of a file already
    // listed are dropped, and it is cut to kMaxCount.
    explicit TRecentPrograms(const std::vector<std::string>& paths);

    // path goes to the front; an entry for the same file moves there. The oldest entry past
    // kMaxCount leaves the list.
    void Add(const std::string& path);
    // The entry for the file at path leaves the list, if there is one.
    void Remove(const std::string& path);

    const std::vector<std::string>& Paths() const { return FPaths; }

private:
    std::vector<std::string> FPaths;
};
