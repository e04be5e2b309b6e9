#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <sys/types.h>

namespace Sys {

// How to start a child program.
struct ProcessOptions {
    // One command line, split into arguments with SplitCommandLine; the first names the
    // program (a path, or a name looked up in PATH).
    std::string commandLine;
    // The child's working folder; empty keeps ours.
    std::string workingDirectory;
    // Where the child's standard output and standard error go. Standard input is empty.
    enum class Output {
        Inherit,         // both go where ours go
        Pipe,            // standard output to a pipe the caller reads; errors go where ours go
        PipeWithErrors,  // both to the pipe
    } output = Output::Inherit;
    // With inputPipe the child's standard input is a pipe the caller writes (see Write);
    // without it standard input is empty.
    bool inputPipe = false;
};

// A child program, started in a process group of its own so that a terminal's Ctrl+C reaches
// only us and we decide how the child ends. Destruction closes the pipe and waits for it.
class Process {
public:
    Process() = default;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    ~Process();

    // Starts the child; false when the command line is empty or the program cannot be started.
    // An earlier child of this object is waited for first.
    bool Start(const ProcessOptions& options);
    // Writes all bytes to the child's standard input pipe, blocking while it is full; false
    // when there is no such pipe or the child closed its end (it ended, or stopped reading).
    bool Write(const void* bytes, size_t count);
    // Closes our end of the input pipe: the child reads the end of its input.
    void CloseInput();
    // Up to count bytes of the child's output; 0 once it closed its end (or without a pipe).
    size_t Read(char* buffer, size_t count);
    // True when Read would not block (output waiting, or the end of it) within the time.
    bool WaitForOutput(std::chrono::milliseconds timeout);
    // Waits for the child to end; its exit status (128 + signal when killed), -1 when none ran.
    int Wait();
    // Ends the child: asks it to terminate, and kills it when it is still running after the
    // grace time; its whole process group goes the same way. Gives its exit status, as Wait does.
    int Terminate(std::chrono::milliseconds grace = std::chrono::seconds(2));
    bool started() const { return pid_ > 0; }

    // Starts the command line in the working folder and waits for it; false when it could not be
    // started. Its output goes to `output` when given (standard output and errors together),
    // else where ours goes.
    static bool RunAndWait(const std::string& commandLine, const std::string& workingDirectory,
                           std::string* output = nullptr);

private:
    void ClosePipe();

    pid_t pid_ = -1;
    int pipe_ = -1;
    int input_ = -1;
    int status_ = -1;
};

}  // namespace Sys
