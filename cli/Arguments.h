// The command line of the headless tools: options from a table, with or without a value, "--"
// ending the options, -h and --help, and one program.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TOption {
    std::string_view Name;       // "--ms", "-o"
    std::string_view Short = {}; // another name: "-f" beside "--format"
    // The problem when the value is missing; nullptr for an option without a value. A value is
    // the next argument, whatever it is, or follows "=" after a name that starts with "--".
    const char* NoValue = nullptr;
    bool EmptyIsNoValue = false; // an empty value counts as missing
    // The problem when the option is given again; nullptr when it may repeat.
    const char* Twice = nullptr;
    // Takes the value ("" for an option without one); returns the problem with it, or "".
    std::function<std::string(const std::string& value)> Take;
};

// Takes for the plain options: one that sets a flag, one that keeps its value.
std::function<std::string(const std::string&)> SetFlag(bool& flag);
std::function<std::string(const std::string&)> KeepValue(std::optional<std::string>& value);

struct TArguments {
    std::string Program;
    bool Help = false;   // -h or --help: no program is needed then
    std::string Problem; // the first problem, in the order of the arguments; "" when none
};

// Parses the arguments after the tool's name. Problems: "неизвестный параметр «X»", "лишний
// аргумент «X»", "не указана программа" and the options' own.
TArguments ParseArguments(const std::vector<std::string>& args,
                          const std::vector<TOption>& options);
