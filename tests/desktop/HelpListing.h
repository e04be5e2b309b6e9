#pragma once

#include <string>
#include <vector>

// What a program's --help lists: its sub-commands, or one command's positional arguments and
// long options (without --help).
struct HelpListing {
    std::vector<std::string> commands, positionals, options;

    static HelpListing Parse(const std::string& help);
};
