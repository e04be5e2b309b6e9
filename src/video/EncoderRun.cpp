#include "video/EncoderRun.h"

#include <chrono>
#include <cstdio>
#include <thread>

#include "panelwick/Sys/FileSystem.h"
#include "panelwick/Sys/Process.h"

Mt::TaskResult EncoderRun::Run(const std::string& commandLine, const std::string& folder,
                               Mt::Task& task, LineSink onLine, InputFeed feed) {
    onLine_ = std::move(onLine);
    line_.clear();
    tail_.clear();
    exitStatus_ = -1;
    Sys::Process child;
    started_ =
        child.Start({commandLine, folder, Sys::ProcessOptions::Output::PipeWithErrors, bool(feed)});
    if (!started_) return Mt::TaskResult::Failed("Error: " + commandLine);
    std::thread feeder;
    if (feed) {
        feeder = std::thread([&] {
            feed(child);
            child.CloseInput();
        });
    }
    char buffer[4096];
    bool cancelled = false;
    for (;;) {
        if (task.Cancelled()) {
            cancelled = true;
            break;
        }
        if (!child.WaitForOutput(std::chrono::milliseconds(100))) continue;
        const size_t n = child.Read(buffer, sizeof buffer);
        if (n == 0) break;
        Take(buffer, n);
    }
    exitStatus_ = cancelled ? child.Terminate() : child.Wait();
    if (feeder.joinable()) feeder.join();
    EndLine();
    if (cancelled) return Mt::TaskResult::Stopped();
    if (exitStatus_ == 0) return {};
    char status[64];
    std::snprintf(status, sizeof status, "The encoder ended with status %d. It ran:\n",
                  exitStatus_);
    return Mt::TaskResult::Failed(status + commandLine, tail_);
}

Mt::TaskResult EncoderRun::RunToFile(const std::string& commandLine, const std::string& folder,
                                     const std::string& output, Mt::Task& task) {
    Mt::TaskResult result = Run(commandLine, folder, task);
    if (result.ok() && !Sys::FileExists(output)) result = WroteNo(output, commandLine);
    return result;
}

Mt::TaskResult EncoderRun::WroteNo(const std::string& what, const std::string& commandLine) const {
    return Mt::TaskResult::Failed("The encoder wrote no " + what + "; it ran:\n" + commandLine,
                                  tail_);
}

void EncoderRun::Take(const char* bytes, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        const char c = bytes[i];
        if (c == '\n' || c == '\r') {
            EndLine();
        } else {
            line_ += c;
        }
    }
}

// Every run of line ends counts as one; the tail keeps the last kTailLines lines.
void EncoderRun::EndLine() {
    if (line_.empty()) return;
    if (onLine_) onLine_(line_);
    tail_ += line_;
    tail_ += '\n';
    line_.clear();
    size_t lines = 0;
    for (char c : tail_) lines += c == '\n';
    while (lines > kTailLines) {
        tail_.erase(0, tail_.find('\n') + 1);
        --lines;
    }
}
