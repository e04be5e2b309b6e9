#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "panelwick/Mt/SharedText.h"
#include "panelwick/Mt/Task.h"
#include "production/IMovieCreation.h"
#include "production/ScenePreparation.h"
#include "render/WorkMemory.h"
#include "video/EncoderRun.h"

// "Create Movie": turns a project into its movie.mp4 on its own thread, in six stages: 1
// vector-drawing pages exported and prepared, 2 (the other pictures are prepared in stage 3
// when the frames that show them come up, and released after their last frame), 3 the frames
// rendered by one worker per processor into the numbered frame files of tmp, 4 the soundtrack
// mixed, 5 the encoder run on them into a partial movie that replaces movie.mp4 (or, for a
// time window, becomes tmp/span.mp4) only when complete, 6 tmp emptied. Checks before stage 1
// refuse a run that could not succeed. A direct run writes no frame files: stage 3 mixes the
// soundtrack first, then streams the frames to the encoder, which takes both in one run, as they
// are composed; stage 5 only checks and renames the partial movie. A stop
// request is honoured at each stage start, between objects, between frames and while the encoder
// runs; the soundtrack mix runs to its end.
//
// Threads: Start, RequestStop, Wait and the state readers are for the owner's thread; the end
// notice comes from the pipeline thread, once per run, after the stage went back to 0. The
// result is read after Wait().
class MoviePipeline : public IMovieCreation {
public:
    // workers: rendering threads for stage 3; 0 takes the processor count.
    explicit MoviePipeline(unsigned workers = 0);
    ~MoviePipeline() override;

    // Refuses with one message naming every problem the checks before the work find.
    Sys::Result Start(const Document& document, uint32_t windowBegin, uint32_t windowEnd,
                      EndNotice onEnd) override;
    void RequestStop() override { task_.Cancel(); }
    void Wait() override;
    Mt::TaskResult Result() const override { return result_; }
    std::vector<size_t> RefusedObjects() const override { return refused_; }
    void SetDirect(bool direct) override { direct_ = direct; }

    int CurrentStage() const override;
    bool TakeStageRestart() override { return restart_.exchange(false); }
    double ProgressFraction() const override;
    double EncoderFraction() const override { return encoderFraction_.load(); }

    // The encoder's command line of the last run.
    const std::string& encoderCommandLine() const { return commandLine_; }

private:
    void Run();
    Mt::TaskResult RunStages();
    // Sets the stage and marks the restart; false when a stop was requested.
    bool EnterStage(int stage);
    Mt::TaskResult PrepareTmpFolder() const;
    Mt::TaskResult CreateFrames();
    Mt::TaskResult StreamFrames();
    Mt::TaskResult MixAudio();
    Mt::TaskResult AssembleAndCleanUp();
    Mt::TaskResult EncodeFrameFiles(const std::string& encoder, EncoderRun& run);
    bool WithSoundtrack() const;

    unsigned workers_;
    std::thread thread_;
    EndNotice onEnd_;

    // The project as it was when the run started, and its prepared objects.
    std::unique_ptr<ScenePreparation> preparation_;
    uint32_t windowBegin_ = 0, windowEnd_ = 0;
    std::vector<std::unique_ptr<WorkMemory>> memory_;  // one per rendering worker

    mutable std::mutex stageMutex_;
    int stage_ = 0;
    std::atomic<bool> restart_{false};
    Mt::Task task_;     // the stop request and the running stage's progress
    Mt::Task mixTask_;  // the soundtrack's progress; the mix is never cancelled
    std::atomic<uint32_t> framesDone_{0};
    std::atomic<double> encoderFraction_{-1.0};
    Mt::SharedText workerError_;  // the message of a rendering worker that failed
    Mt::TaskResult result_;
    std::string commandLine_;
    std::string streamTail_;  // the last lines of a direct run's encoder
    std::vector<size_t> refused_;
    bool direct_ = false;
};
