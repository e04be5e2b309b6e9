#include "desktop/HelpListing.h"

#include <sstream>

// Reads the sections of a help text: a heading ends in ':', and each entry is a line indented
// by exactly two spaces whose first word is the entry's name ("-h,--help" lists two names).
// Longer indents continue a description.
HelpListing HelpListing::Parse(const std::string& help) {
    HelpListing listing;
    std::istringstream lines(help);
    std::string line, section;
    while (std::getline(lines, line)) {
        if (!line.empty() && line[0] != ' ' && line.back() == ':') section = line;
        if (line.size() < 3 || line.compare(0, 2, "  ") != 0 || line[2] == ' ') continue;
        std::string name = line.substr(2, line.find(' ', 2) - 2);
        if (section == "Subcommands:") {
            listing.commands.push_back(name);
        } else if (section == "Positionals:") {
            listing.positionals.push_back(name);
        } else if (section == "Options:") {
            name = name.substr(name.rfind(',') + 1);
            if (name.rfind("--", 0) == 0 && name != "--help") listing.options.push_back(name);
        }
    }
    return listing;
}
