// Runs a command-line tool of the build in a folder, as a user would from a shell, and collects
// its exit status and both outputs.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

struct TToolRun {
    int status = -1; // the exit status; -1 when the tool did not exit normally
    std::string out;
    std::string err;
};

inline std::string ShellQuote(const std::string& s) {
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

inline std::string ReadToolOutput(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// Runs tool in the folder with the given arguments; its outputs pass through two files there.
// With stdoutTo, standard output goes to that file instead (/dev/full, say) and out stays empty.
inline TToolRun RunTool(const std::string& tool, const std::string& folder,
                        const std::vector<std::string>& args, const std::string& stdoutTo = {}) {
    std::string command = "cd " + ShellQuote(folder) + " && " + ShellQuote(tool);
    for (const auto& a : args)
        command += " " + ShellQuote(a);
    const std::string out = folder + "/.out", err = folder + "/.err";
    command += " >" + ShellQuote(stdoutTo.empty() ? out : stdoutTo) + " 2>" + ShellQuote(err);
    int rc = std::system(command.c_str());
    TToolRun run{WIFEXITED(rc) ? WEXITSTATUS(rc) : -1, ReadToolOutput(out), ReadToolOutput(err)};
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return run;
}
