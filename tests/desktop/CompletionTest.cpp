#include <algorithm>
#include <filesystem>

#include <gtest/gtest.h>

#include "desktop/HelpListing.h"
#include "panelwick/Sys/FileSystem.h"
#include "support/RunCommand.h"
#include "support/TempDir.h"

namespace {

const std::string kBashCompletion = "/usr/share/bash-completion/bash_completion";

// What bash offers for the last of the words (the cursor at its end), run in folder.
std::vector<std::string> Complete(const std::vector<std::string>& words,
                                  const std::string& folder = ".") {
    const std::string script =
        "source " + kBashCompletion + " && source " + REELWORK_SHARE_DIR +
        "/bash-completion/completions/reelwork-cli && cd \"$0\" && COMP_WORDS=(reelwork-cli "
        "\"$@\") && COMP_CWORD=$# && COMP_LINE=\"${COMP_WORDS[*]}\" && "
        "COMP_POINT=${#COMP_LINE} && _reelwork_cli; printf '%s\\n' \"${COMPREPLY[@]}\"";
    std::vector<std::string> args = {"bash", "-c", script, folder};
    args.insert(args.end(), words.begin(), words.end());
    const CommandResult r = RunCommand(args);
    EXPECT_EQ(r.err, "");
    std::vector<std::string> offered;
    for (size_t at = 0, end; (end = r.out.find('\n', at)) != std::string::npos; at = end + 1) {
        if (end > at) offered.push_back(r.out.substr(at, end - at));
    }
    std::sort(offered.begin(), offered.end());
    return offered;
}

}  // namespace

// Tab offers every command of --help, and after a command every option of its --help.
TEST(Completion, OffersEveryCommandAndOption) {
    if (!std::filesystem::exists(kBashCompletion)) GTEST_SKIP() << "bash-completion is missing";
    const std::string cli = std::string(REELWORK_BIN_DIR) + "/reelwork-cli";
    const HelpListing listing = HelpListing::Parse(RunCommand({cli, "--help"}).out);
    std::vector<std::string> commands = listing.commands;
    std::sort(commands.begin(), commands.end());
    EXPECT_EQ(Complete({""}), commands);
    EXPECT_EQ(Complete({"thu"}), std::vector<std::string>{"thumbnail"});
    for (const std::string& command : listing.commands) {
        const std::vector<std::string> offered = Complete({command, "--"});
        for (const std::string& option :
             HelpListing::Parse(RunCommand({cli, command, "--help"}).out).options) {
            EXPECT_NE(std::ranges::find(offered, option), offered.end())
                << command << " " << option;
        }
    }
}

// File names are filtered by what each argument takes; folders stay offered to get there.
TEST(Completion, FiltersFileNamesByArgumentKind) {
    if (!std::filesystem::exists(kBashCompletion)) GTEST_SKIP() << "bash-completion is missing";
    TempDir dir;
    for (const char* name : {"a.rwk", "b.wav", "C.WAV", "d.png", "e.mp3", "f.txt"}) {
        ASSERT_TRUE(Sys::WriteWholeFile(dir / name, ""));
    }
    std::filesystem::create_directory(dir / "sub");
    const std::string at = dir.path().string();
    EXPECT_EQ(Complete({"info", ""}, at), (std::vector<std::string>{"a.rwk", "sub"}));
    EXPECT_EQ(Complete({"mix-audio", "a.rwk", ""}, at),
              (std::vector<std::string>{"C.WAV", "b.wav", "sub"}));
    EXPECT_EQ(Complete({"new", ""}, at), std::vector<std::string>{"sub"});
    EXPECT_EQ(Complete({"combine", "--audio", ""}, at),
              (std::vector<std::string>{"C.WAV", "b.wav", "e.mp3", "sub"}));
    EXPECT_EQ(Complete({"mix", "--balance", ""}, at), std::vector<std::string>{});
}
