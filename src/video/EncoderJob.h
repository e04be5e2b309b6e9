#pragma once

#include <functional>
#include <string>

#include "panelwick/Mt/ThreadObject.h"

// Runs one encoder command line in a folder on a worker thread and waits for it, draining
// what the program prints so it never blocks on a full pipe.
class EncoderJob {
public:
    using Done = std::function<void()>;

    // Starts the job; done is called on the worker thread when it has ended. False while an
    // earlier job still runs.
    bool Start(const std::string& commandLine, const std::string& folder, Done done = {});
    void Wait() { thread_.Wait(); }
    bool IsRunning() const { return thread_.IsRunning(); }

    // "Error: " followed by the command line when the program could not be started, else empty.
    const std::string& result() const { return result_; }
    // The last lines the program printed, for reports of our own.
    const std::string& outputTail() const { return tail_; }

    static constexpr size_t kTailLines = 20;

private:
    int Run();
    void KeepTail(const char* bytes, size_t count);

    Mt::ThreadObject thread_;
    std::string commandLine_, folder_, result_, tail_;
    Done done_;
};
