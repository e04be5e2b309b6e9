#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "panelwick/Mt/Task.h"
#include "panelwick/Mt/TaskResult.h"
#include "panelwick/Sys/Process.h"

// Runs one encoder command line in a folder on the calling thread until the program ends,
// reading everything it prints (standard output and errors) so that it never blocks on a full
// pipe, and keeping its last lines for reports. A cancelled task ends the program: it is asked
// to terminate and killed when it has not ended 2 s later.
class EncoderRun {
public:
    // Called with each line the program prints (a progress line ending in '\r' counts as one).
    using LineSink = std::function<void(std::string_view line)>;

    // Writes the program's standard input on a thread of its own while Run reads what the
    // program prints; the input is closed when it returns. It must end once the task is
    // cancelled or a write fails (the program ended).
    using InputFeed = std::function<void(Sys::Process& program)>;

    static constexpr size_t kTailLines = 20;

    // Done when the program exited with status 0; stopped when the task was cancelled; failed
    // with "Error: " and the command line when it could not be started, or with its exit
    // status, the command line and, as the detail, its last lines when it exited otherwise.
    // With a feed, the program's standard input is a pipe the feed writes.
    Mt::TaskResult Run(const std::string& commandLine, const std::string& folder, Mt::Task& task,
                       LineSink onLine = {}, InputFeed feed = {});

    // Runs as Run does; when the encoder succeeded, `output` must exist afterwards, else the
    // run failed with "The encoder wrote no <output>; it ran:", the command line and its last
    // lines.
    Mt::TaskResult RunToFile(const std::string& commandLine, const std::string& folder,
                             const std::string& output, Mt::Task& task);
    // That failure, for outputs of other kinds (a folder of pictures).
    Mt::TaskResult WroteNo(const std::string& what, const std::string& commandLine) const;

    bool started() const { return started_; }
    // The exit status (128 + signal when it was killed); -1 before a run.
    int exitStatus() const { return exitStatus_; }
    // The last kTailLines lines the program printed.
    const std::string& outputTail() const { return tail_; }

private:
    void Take(const char* bytes, size_t count);
    void EndLine();

    LineSink onLine_;
    std::string line_, tail_;
    bool started_ = false;
    int exitStatus_ = -1;
};
