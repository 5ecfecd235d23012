// Helpers of the compiler tests: scratch folders, whole-file reads and an editor without a
// window.
#pragma once

#include "base/FileIO.h"
#include "editor/CodeMemo.h"
#include "editor/NullHost.h"
#include "support/Permissions.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

inline std::string operator/(const TempDir& dir, const std::string& name) {
    return dir.File(name);
}

inline std::string ReadFile(const std::string& path) {
    std::string bytes;
    if (ReadWholeFile(path, bytes) != 0)
        return "<missing>";
    return bytes;
}

// Names in a folder, sorted; none when it is not there.
inline std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(folder, ec))
        names.push_back(e.path().filename().string());
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

// The source tree, for the program files kept in it.
inline std::filesystem::path SourceDir() {
    const char* source = std::getenv("TOVIX_SOURCE_DIR");
    return source ? source : TOVIX_DEFAULT_SOURCE_DIR;
}

// The example programs of data/examples, by path relative to the source tree.
inline std::vector<std::string> ExamplePrograms() {
    std::vector<std::string> names;
    for (const auto& name : FilesIn((SourceDir() / "data/examples").string()))
        if (name.ends_with(".tovix"))
            names.push_back("data/examples/" + name);
    return names;
}
