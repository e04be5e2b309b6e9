#include "video/EncoderJob.h"

#include "panelwick/Sys/Process.h"

bool EncoderJob::Start(const std::string& commandLine, const std::string& folder, Done done) {
    if (thread_.IsRunning()) return false;
    thread_.Wait();
    commandLine_ = commandLine;
    folder_ = folder;
    done_ = std::move(done);
    result_.clear();
    tail_.clear();
    return thread_.Start([this](Mt::ThreadObject&) { return Run(); });
}

int EncoderJob::Run() {
    Sys::Process child;
    if (!child.Start({commandLine_, folder_, Sys::ProcessOptions::Output::PipeWithErrors})) {
        result_ = "Error: " + commandLine_;
    } else {
        char buffer[1023];
        while (size_t n = child.Read(buffer, sizeof buffer)) KeepTail(buffer, n);
        child.Wait();
    }
    if (done_) done_();
    return 0;
}

void EncoderJob::KeepTail(const char* bytes, size_t count) {
    // Progress lines end in '\r': every run of line ends counts as one.
    for (size_t i = 0; i < count; ++i) {
        const char c = bytes[i] == '\r' ? '\n' : bytes[i];
        if (c != '\n' || (!tail_.empty() && tail_.back() != '\n')) tail_ += c;
    }
    size_t lines = 0, cut = tail_.size();
    while (cut > 0 && lines <= kTailLines) {
        cut = tail_.rfind('\n', cut - 1);
        if (cut == std::string::npos) return;
        ++lines;
    }
    if (lines > kTailLines) tail_.erase(0, cut + 1);
}
