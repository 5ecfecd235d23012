// Parsing the command line.
#include "cli/Arguments.h"

namespace {

// The option arg names, and its value when it is written "--NAME=VALUE".
const TOption* Find(const std::vector<TOption>& options, const std::string& arg,
                    std::optional<std::string>& inlineValue) {
    for (const TOption& option : options) {
        if (arg == option.Name || (!option.Short.empty() && arg == option.Short))
            return &option;
        if (option.NoValue && option.Name.starts_with("--") && arg.starts_with(option.Name) &&
            arg.size() > option.Name.size() && arg[option.Name.size()] == '=') {
            inlineValue = arg.substr(option.Name.size() + 1);
            return &option;
        }
    }
    return nullptr;
}

} // namespace

std::function<std::string(const std::string&)> SetFlag(bool& flag) {
    return [&flag](const std::string&) {
        flag = true;
        return std::string();
    };
}

std::function<std::string(const std::string&)> KeepValue(std::optional<std::string>& value) {
    return [&value](const std::string& given) {
        value = given;
        return std::string();
    };
}

TArguments ParseArguments(const std::vector<std::string>& args,
                          const std::vector<TOption>& options) {
    TArguments out;
    bool haveProgram = false;
    bool optionsEnded = false;
    std::vector<char> given(options.size(), 0);
    auto problem = [&](std::string text) {
        out.Problem = std::move(text);
        return out;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::optional<std::string> value;
        const TOption* option = nullptr;
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && (arg == "-h" || arg == "--help")) {
            out.Help = true;
            continue;
        }
        if (!optionsEnded)
            option = Find(options, arg, value);
        if (option) {
            if (option->NoValue && !value) {
                if (i + 1 >= args.size())
                    return problem(option->NoValue);
                value = args[++i];
            }
            if (option->EmptyIsNoValue && value && value->empty())
                return problem(option->NoValue);
            auto& seen = given[static_cast<std::size_t>(option - options.data())];
            if (seen && option->Twice)
                return problem(option->Twice);
            seen = 1;
            if (std::string text = option->Take(value.value_or("")); !text.empty())
                return problem(std::move(text));
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            return problem("неизвестный параметр «" + arg + "»");
        } else if (haveProgram) {
            return problem("лишний аргумент «" + arg + "»");
        } else {
            out.Program = arg;
            haveProgram = true;
        }
    }
    if (!haveProgram && !out.Help)
        return problem("не указана программа");
    return out;
}
