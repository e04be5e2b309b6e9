#include "panelwick/Sys/Process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "panelwick/Sys/CommandLine.h"

extern char** environ;

namespace Sys {
namespace {

// posix_spawn_file_actions_t with its clean-up.
class SpawnActions {
public:
    SpawnActions() { posix_spawn_file_actions_init(&actions_); }
    ~SpawnActions() { posix_spawn_file_actions_destroy(&actions_); }
    posix_spawn_file_actions_t* get() { return &actions_; }

private:
    posix_spawn_file_actions_t actions_;
};

}  // namespace

Process::~Process() {
    ClosePipe();
    Wait();
}

void Process::ClosePipe() {
    if (pipe_ >= 0) ::close(pipe_);
    pipe_ = -1;
}

bool Process::Start(const ProcessOptions& options) {
    ClosePipe();
    Wait();
    pid_ = -1;
    status_ = -1;
    const std::vector<std::string> args = SplitCommandLine(options.commandLine);
    if (args.empty()) return false;

    SpawnActions actions;
    posix_spawn_file_actions_addopen(actions.get(), 0, "/dev/null", O_RDONLY, 0);
    int fds[2] = {-1, -1};
    if (options.output != ProcessOptions::Output::Inherit) {
        if (pipe2(fds, O_CLOEXEC) != 0) return false;
        posix_spawn_file_actions_adddup2(actions.get(), fds[1], 1);
        if (options.output == ProcessOptions::Output::PipeWithErrors) {
            posix_spawn_file_actions_adddup2(actions.get(), fds[1], 2);
        }
    }
    if (!options.workingDirectory.empty()) {
        posix_spawn_file_actions_addchdir_np(actions.get(), options.workingDirectory.c_str());
    }
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid;
    const int error = posix_spawnp(&pid, argv[0], actions.get(), nullptr, argv.data(), environ);
    if (fds[1] >= 0) ::close(fds[1]);
    if (error != 0) {
        if (fds[0] >= 0) ::close(fds[0]);
        return false;
    }
    pid_ = pid;
    pipe_ = fds[0];
    return true;
}

size_t Process::Read(char* buffer, size_t count) {
    if (pipe_ < 0) return 0;
    ssize_t n;
    do {
        n = ::read(pipe_, buffer, count);
    } while (n < 0 && errno == EINTR);
    return n > 0 ? size_t(n) : 0;
}

int Process::Wait() {
    if (pid_ <= 0) return status_;
    int status = 0;
    pid_t r;
    do {
        r = ::waitpid(pid_, &status, 0);
    } while (r < 0 && errno == EINTR);
    pid_ = -1;
    status_ = r < 0 ? -1 : WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return status_;
}

bool Process::RunAndWait(const std::string& commandLine, const std::string& workingDirectory,
                         std::string* output) {
    Process child;
    ProcessOptions options{commandLine, workingDirectory,
                           output ? ProcessOptions::Output::PipeWithErrors
                                  : ProcessOptions::Output::Inherit};
    if (!child.Start(options)) return false;
    char buffer[4096];
    while (size_t n = child.Read(buffer, sizeof buffer)) {
        if (output) output->append(buffer, n);
    }
    child.Wait();
    return true;
}

}  // namespace Sys
