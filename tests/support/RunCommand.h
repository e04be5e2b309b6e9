#pragma once

#include <string>
#include <vector>

// Runs a program and collects what it printed and its exit status.
struct CommandResult {
    int status = -1;
    std::string out, err;
};

CommandResult RunCommand(const std::vector<std::string>& args, const std::string& input = {});

// Runs the built reelwork-cli with the given arguments.
CommandResult RunCli(const std::vector<std::string>& args, const std::string& input = {});
