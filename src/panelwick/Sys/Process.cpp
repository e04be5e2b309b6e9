#include "panelwick/Sys/Process.h"

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "panelwick/Sys/CommandLine.h"

extern char** environ;

namespace Sys {
namespace {

// The most an unprivileged process may ask for by default (fs/pipe-max-size).
constexpr int kInputPipeBytes = 1 << 20;

int ExitStatus(int status) {
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// posix_spawnattr_t with its clean-up: the child leads a process group of its own.
class SpawnAttributes {
public:
    SpawnAttributes() {
        posix_spawnattr_init(&attributes_);
        posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETPGROUP);
        posix_spawnattr_setpgroup(&attributes_, 0);
    }
    ~SpawnAttributes() { posix_spawnattr_destroy(&attributes_); }
    posix_spawnattr_t* get() { return &attributes_; }

private:
    posix_spawnattr_t attributes_;
};

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
    CloseInput();
    ClosePipe();
    Wait();
}

void Process::ClosePipe() {
    if (pipe_ >= 0) ::close(pipe_);
    pipe_ = -1;
}

void Process::CloseInput() {
    if (input_ >= 0) ::close(input_);
    input_ = -1;
}

bool Process::Write(const void* bytes, size_t count) {
    const auto* p = static_cast<const uint8_t*>(bytes);
    while (count > 0 && input_ >= 0) {
        const ssize_t n = ::write(input_, p, count);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        p += n;
        count -= size_t(n);
    }
    return count == 0;
}

bool Process::Start(const ProcessOptions& options) {
    CloseInput();
    ClosePipe();
    Wait();
    pid_ = -1;
    status_ = -1;
    const std::vector<std::string> args = SplitCommandLine(options.commandLine);
    if (args.empty()) return false;

    SpawnActions actions;
    int in[2] = {-1, -1};
    if (options.inputPipe) {
        // A child that stops reading must fail our write, not end us with SIGPIPE.
        ::signal(SIGPIPE, SIG_IGN);
        if (pipe2(in, O_CLOEXEC) != 0) return false;
        // Fed frames are large: a wide pipe takes one in a few writes instead of dozens of
        // 64 KB rounds (the system may grant less; the default then stays).
        (void)::fcntl(in[1], F_SETPIPE_SZ, kInputPipeBytes);
        posix_spawn_file_actions_adddup2(actions.get(), in[0], 0);
    } else {
        posix_spawn_file_actions_addopen(actions.get(), 0, "/dev/null", O_RDONLY, 0);
    }
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
    SpawnAttributes attributes;
    const int error =
        posix_spawnp(&pid, argv[0], actions.get(), attributes.get(), argv.data(), environ);
    if (fds[1] >= 0) ::close(fds[1]);
    if (in[0] >= 0) ::close(in[0]);
    if (error != 0) {
        if (fds[0] >= 0) ::close(fds[0]);
        if (in[1] >= 0) ::close(in[1]);
        return false;
    }
    pid_ = pid;
    pipe_ = fds[0];
    input_ = in[1];
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

bool Process::WaitForOutput(std::chrono::milliseconds timeout) {
    if (pipe_ < 0) return true;
    pollfd fd{pipe_, POLLIN, 0};
    const int ready = ::poll(&fd, 1, int(timeout.count()));
    return ready != 0;  // an error reads as ready, so the caller's Read sees it
}

int Process::Wait() {
    if (pid_ <= 0) return status_;
    int status = 0;
    pid_t r;
    do {
        r = ::waitpid(pid_, &status, 0);
    } while (r < 0 && errno == EINTR);
    pid_ = -1;
    status_ = r < 0 ? -1 : ExitStatus(status);
    return status_;
}

int Process::Terminate(std::chrono::milliseconds grace) {
    if (pid_ <= 0) return status_;
    ::kill(-pid_, SIGTERM);  // the whole group: a wrapper script and what it started
    const auto deadline = std::chrono::steady_clock::now() + grace;
    int status = 0;
    while (std::chrono::steady_clock::now() < deadline) {
        const pid_t r = ::waitpid(pid_, &status, WNOHANG);
        if (r == pid_ || (r < 0 && errno != EINTR)) {
            pid_ = -1;
            status_ = r < 0 ? -1 : ExitStatus(status);
            return status_;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ::kill(-pid_, SIGKILL);
    return Wait();
}

bool Process::RunAndWait(const std::string& commandLine, const std::string& workingDirectory,
                         std::string* output) {
    Process child;
    ProcessOptions options{
        commandLine, workingDirectory,
        output ? ProcessOptions::Output::PipeWithErrors : ProcessOptions::Output::Inherit};
    if (!child.Start(options)) return false;
    char buffer[4096];
    while (size_t n = child.Read(buffer, sizeof buffer)) {
        if (output) output->append(buffer, n);
    }
    child.Wait();
    return true;
}

}  // namespace Sys
