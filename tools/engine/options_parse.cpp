#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <iostream>

#include "commands.h"

bool ParseOptions(const char* command, const Arguments& args, std::vector<IntOption>& options) {
    for (size_t i = 0; i < args.size(); i += 2) {
        IntOption* option = nullptr;
        for (IntOption& o : options)
            if (args[i] == o.name) option = &o;
        if (!option) {
            std::cerr << "kestro-engine " << command << ": unknown argument \"" << args[i] << "\"\n";
            return false;
        }
        if (i + 1 >= args.size()) {
            std::cerr << "kestro-engine " << command << ": " << option->name << " needs a value\n";
            return false;
        }
        const std::string& text = args[i + 1];
        char* end = nullptr;
        errno = 0;
        const long long value = std::strtoll(text.c_str(), &end, 10);
        if (text.empty() || *end != '\0' || errno == ERANGE || value < option->low || value > option->high) {
            std::cerr << "kestro-engine " << command << ": " << option->name << " takes an integer from " << option->low
                      << " to " << option->high << ", not \"" << text << "\"\n";
            return false;
        }
        *option->value = value;
        option->given = true;
    }
    return true;
}

std::optional<std::string> TakeNamedValue(Arguments& args, const char* name) {
    const auto it = std::find(args.begin(), args.end(), name);
    if (it == args.end()) return "";
    if (it + 1 == args.end()) return std::nullopt;
    const std::string value = *(it + 1);
    args.erase(it, it + 2);
    return value;
}

bool TakeFlag(Arguments& args, const char* name) {
    const auto it = std::find(args.begin(), args.end(), name);
    if (it == args.end()) return false;
    args.erase(it);
    return true;
}
