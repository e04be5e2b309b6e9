#include <filesystem>
#include <map>

#include <gtest/gtest.h>

#include "desktop/HelpListing.h"
#include "panelwick/Sys/FileSystem.h"
#include "support/RunCommand.h"

namespace {

const std::string kCliPage = std::string(REELWORK_SOURCE_DIR) + "/src/cli/reelwork-cli.1";
const std::string kAppPage = std::string(REELWORK_SOURCE_DIR) + "/src/app/reelwork.1";
const std::string kBin = REELWORK_BIN_DIR;

std::string Read(const std::string& path) {
    std::string text;
    EXPECT_TRUE(Sys::ReadWholeFile(path, text)) << path;
    return text;
}

// A word as the page writes it: every '-' as "\-".
std::string Roff(const std::string& word) {
    std::string out;
    for (char c : word) out += c == '-' ? std::string("\\-") : std::string(1, c);
    return out;
}

// The command entries of the page, by name: each begins with ".TP" and the command's name in
// bold, and runs to the next one.
std::map<std::string, std::string> Entries(const std::string& page) {
    std::map<std::string, std::string> entries;
    const std::string heading = "\n.TP\n\\fB";
    std::string name;
    size_t begin = 0;
    for (size_t at = page.find(heading); at != std::string::npos;) {
        const size_t next = page.find(heading, at + 1);
        const char first = page[at + heading.size()];
        if (first >= 'a' && first <= 'z') {
            if (!name.empty()) entries[name] = page.substr(begin, at - begin);
            begin = at + heading.size();
            name = page.substr(begin, page.find("\\fR", begin) - begin);
            for (size_t dash; (dash = name.find("\\-")) != std::string::npos;) name.erase(dash, 1);
        }
        at = next;
    }
    if (!name.empty()) entries[name] = page.substr(begin, page.find("\n.SH", begin) - begin);
    return entries;
}

}  // namespace

// Every command of reelwork-cli --help has an entry naming its arguments and options, and every
// entry is a command.
TEST(ManPage, CliPageDocumentsEveryCommandOfTheHelp) {
    const std::map<std::string, std::string> entries = Entries(Read(kCliPage));
    const HelpListing listing =
        HelpListing::Parse(RunCommand({kBin + "/reelwork-cli", "--help"}).out);
    ASSERT_GT(listing.commands.size(), 20u);
    EXPECT_EQ(entries.size(), listing.commands.size());
    for (const std::string& command : listing.commands) {
        ASSERT_TRUE(entries.count(command)) << "no entry for " << command;
        const std::string& entry = entries.at(command);
        const HelpListing own =
            HelpListing::Parse(RunCommand({kBin + "/reelwork-cli", command, "--help"}).out);
        for (const std::string& positional : own.positionals) {
            EXPECT_NE(entry.find("\\fI" + Roff(positional) + "\\fR"), std::string::npos)
                << command << " " << positional;
        }
        for (const std::string& option : own.options) {
            EXPECT_NE(entry.find("\\fB" + Roff(option) + "\\fR"), std::string::npos)
                << command << " " << option;
        }
    }
}

// reelwork answers --help and --version without a display, and its page names every option.
TEST(ManPage, DesktopProgramHelpNeedsNoDisplay) {
    if (!std::filesystem::exists(kBin + "/reelwork")) GTEST_SKIP() << "built without the GUI";
    const std::vector<std::string> noDisplay = {
        "env", "-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM=xcb", kBin + "/reelwork"};
    std::vector<std::string> args = noDisplay;
    args.push_back("--help");
    const CommandResult help = RunCommand(args);
    ASSERT_EQ(help.status, 0) << help.err;
    EXPECT_EQ(help.out.rfind("Usage: reelwork [OPTIONS] [PROJECT.rwk]\n", 0), 0u);
    const std::string page = Read(kAppPage);
    const HelpListing listing = HelpListing::Parse(help.out);
    ASSERT_FALSE(listing.options.empty());
    for (const std::string& option : listing.options) {
        EXPECT_NE(page.find(Roff(option)), std::string::npos) << option;
    }
    args.back() = "--version";
    const CommandResult version = RunCommand(args);
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "reelwork 1.0\n");
    EXPECT_NE(page.find("\"Reelwork 1.0\""), std::string::npos);
}

// groff reads both pages without a warning; the build stages them compressed.
TEST(ManPage, PagesFormatWithoutWarnings) {
    if (!std::filesystem::exists("/usr/bin/groff")) GTEST_SKIP() << "groff is not installed";
    for (const std::string& page : {kCliPage, kAppPage}) {
        const CommandResult r = RunCommand({"groff", "-man", "-Tutf8", "-ww", "-z", page});
        EXPECT_EQ(r.status, 0) << page;
        EXPECT_EQ(r.err, "") << page;
    }
    EXPECT_TRUE(
        std::filesystem::exists(std::string(REELWORK_SHARE_DIR) + "/man/man1/reelwork-cli.1.gz"));
}
