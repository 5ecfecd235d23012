// The tools' command-line parser: one row per command line, its arguments split at spaces ('' is
// an empty one), and what the parser made of it or the problem it found.
#include "cli/Arguments.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::string Parse(const std::string& line) {
    std::vector<std::string> args;
    std::istringstream words(line);
    for (std::string word; words >> word;)
        args.push_back(word == "''" ? "" : word);
    std::string taken;
    auto take = [&](std::string_view name) {
        return [&taken, name](const std::string& value) {
            taken += " " + std::string(name) + "=" + value;
            return value == "bad" ? std::string("bad value") : std::string();
        };
    };
    const std::vector<TOption> options = {
        {.Name = "--json", .Take = take("json")},
        {.Name = "-o", .NoValue = "no -o", .Twice = "-o twice", .Take = take("o")},
        {.Name = "--format", .Short = "-f", .NoValue = "no format", .Take = take("format")},
        {.Name = "--vcd",
         .NoValue = "no vcd",
         .EmptyIsNoValue = true,
         .Twice = "vcd twice",
         .Take = take("vcd")},
    };
    TArguments a = ParseArguments(args, options);
    return a.Problem.empty() ? (a.Help ? "help " : "") + a.Program + taken : a.Problem;
}

TEST(Arguments, ParsesTheToolsCommandLines) {
    const std::pair<const char*, const char*> rows[] = {
        {"p --json -o x.bin", "p json= o=x.bin"},
        {"--format ihex p -f bin --format=hex", "p format=ihex format=bin format=hex"},
        {"-o --json p --json", "p o=--json json="},
        {"--vcd=a=b --format= p", "p vcd=a=b format="},
        {"-- -p --json", "лишний аргумент «--json»"},
        {"-- -p", "-p"},
        {"-- --", "--"},
        {"-", "-"},
        {"--help", "help "},
        {"-h p", "help p"},
        {"", "не указана программа"},
        {"p q", "лишний аргумент «q»"},
        {"--js p", "неизвестный параметр «--js»"},
        {"--json=1 p", "неизвестный параметр «--json=1»"},
        {"-o=x p", "неизвестный параметр «-o=x»"},
        {"-f=x p", "неизвестный параметр «-f=x»"},
        {"p -o", "no -o"},
        {"p --format", "no format"},
        {"--vcd '' p", "no vcd"},
        {"--vcd a --vcd= p", "no vcd"},
        {"-o a -o b p", "-o twice"},
        {"--help -o a --vcd a --vcd=b", "vcd twice"},
        {"-o bad --bogus", "bad value"},
        {"--bogus -o bad", "неизвестный параметр «--bogus»"},
    };
    for (const auto& [line, result] : rows)
        EXPECT_EQ(Parse(line), result) << line;
}

} // namespace
