#include <algorithm>
#include <filesystem>

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

// The command entries of the page: each begins with ".TP" and the command's name in bold.
// Returns the entry of one command, up to the next command's; empty when there is none.
std::string Entry(const std::string& page, const std::string& command) {
    const std::string heading = "\n.TP\n\\fB" + Roff(command) + "\\fR";
    const size_t begin = page.find(heading);
    if (begin == std::string::npos) return {};
    size_t end = begin + heading.size();
    while ((end = page.find("\n.TP\n\\fB", end + 1)) != std::string::npos) {
        const char next = page[end + 8];
        if (next >= 'a' && next <= 'z') break;
    }
    return page.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
}

std::vector<std::string> EntryNames(const std::string& page) {
    std::vector<std::string> names;
    for (size_t at = 0; (at = page.find("\n.TP\n\\fB", at + 1)) != std::string::npos;) {
        const size_t from = at + 8;
        if (page[from] < 'a' || page[from] > 'z') continue;
        std::string name = page.substr(from, page.find("\\fR", from) - from);
        for (size_t dash; (dash = name.find("\\-")) != std::string::npos;) name.erase(dash, 1);
        names.push_back(name);
    }
    return names;
}

}  // namespace

// Every command of reelwork-cli --help has an entry naming its arguments and options, every
// entry is a command, and the page's title carries the program's version.
TEST(ManPage, CliPageDocumentsEveryCommandOfTheHelp) {
    const std::string page = Read(kCliPage);
    const CommandResult help = RunCommand({kBin + "/reelwork-cli", "--help"});
    ASSERT_EQ(help.status, 0);
    const HelpListing listing = HelpListing::Parse(help.out);
    ASSERT_GT(listing.commands.size(), 20u);
    for (const std::string& command : listing.commands) {
        const std::string entry = Entry(page, command);
        ASSERT_FALSE(entry.empty()) << "no entry for " << command;
        const CommandResult usage = RunCommand({kBin + "/reelwork-cli", command, "--help"});
        const HelpListing own = HelpListing::Parse(usage.out);
        for (const std::string& positional : own.positionals) {
            EXPECT_NE(entry.find("\\fI" + Roff(positional) + "\\fR"), std::string::npos)
                << command << " " << positional;
        }
        for (const std::string& option : own.options) {
            EXPECT_NE(entry.find("\\fB" + Roff(option) + "\\fR"), std::string::npos)
                << command << " " << option;
        }
    }
    std::vector<std::string> documented = EntryNames(page), listed = listing.commands;
    std::sort(documented.begin(), documented.end());
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(documented, listed);

    const CommandResult version = RunCommand({kBin + "/reelwork-cli", "--version"});
    ASSERT_EQ(version.out.rfind("reelwork-cli ", 0), 0u);
    const std::string number = version.out.substr(13, version.out.size() - 14);
    EXPECT_NE(page.find("\"Reelwork " + number + "\""), std::string::npos);
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
