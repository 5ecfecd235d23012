// Helpers of the compiler tests: scratch folders, whole-file reads and writes and an editor
// without a window.
#pragma once

#include "base/FileIO.h"
#include "editor/CodeMemo.h"
#include "editor/NullHost.h"
#include "support/Permissions.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir() {
        std::string templ = "/tmp/tovix-test.XXXXXX";
        if (!::mkdtemp(templ.data()))
            throw std::runtime_error("mkdtemp failed");
        FPath = templ;
    }
    ~TempDir() {
        std::string command = "chmod -R u+rwx '" + FPath + "' 2>/dev/null; rm -rf '" + FPath + "'";
        [[maybe_unused]] int rc = std::system(command.c_str());
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return FPath; }
    std::string operator/(const std::string& name) const { return FPath + "/" + name; }

private:
    std::string FPath;
};

inline std::string ReadFile(const std::string& path) {
    std::string bytes;
    if (ReadWholeFile(path, bytes) != 0)
        return "<missing>";
    return bytes;
}

inline bool FileExists(const std::string& path) {
    return ::access(path.c_str(), F_OK) == 0;
}

inline void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// Names in a folder, "." and ".." left out.
inline std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (dirent* e = ::readdir(dir)) {
            std::string name = e->d_name;
            if (name != "." && name != "..")
                names.push_back(name);
        }
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

inline std::string Bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values)
        s += static_cast<char>(v);
    return s;
}

// An editor without a window holding the given lines.
struct Editor {
    NullHost host;
    TCodeMemo memo{host};

    explicit Editor(const std::vector<std::string>& lines = {}) {
        memo.Lines().Clear();
        for (const auto& line : lines)
            memo.Lines().Add(line);
    }
    std::vector<std::string> Lines() const { return memo.Lines().ToVector(); }
    std::vector<int> Marked() const {
        std::vector<int> marked;
        for (int i = 0; i < memo.Lines().Count(); ++i)
            if (TLineProp* prop = memo.Lines().GetLineProp(i); prop && prop->Breakpoint)
                marked.push_back(i);
        return marked;
    }
};

// Switches file fault injection off again however a test ends.
struct FileFaultsOff {
    ~FileFaultsOff() { FileFaults::FailAt(0, 0); }
};
