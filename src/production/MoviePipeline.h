#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "panelwick/Mt/Progress.h"
#include "panelwick/Mt/SharedText.h"
#include "panelwick/Mt/StopFlags.h"
#include "panelwick/Sys/Result.h"
#include "production/IMovieCreation.h"
#include "project/MovieObject.h"
#include "project/MovieProperties.h"
#include "render/PreparedObject.h"
#include "render/WorkMemory.h"

// "Create Movie": turns a project into projectFolder/movie.mp4 on its own thread, in six
// stages: 1 vector-drawing pages exported and prepared, 2 the other pictures prepared, 3 the
// frames rendered by one worker per processor into tmp/%08d.jpg, 4 the soundtrack mixed into
// tmp/movie.wav, 5 the encoder run on them, 6 tmp emptied. A stop request is honoured at each
// stage start, between objects and between frames; the soundtrack mix runs to its end.
//
// Threads: Start, RequestStop, Wait and the state readers are for the owner's thread; the end
// notice comes from the pipeline thread, once per run, after the stage went back to 0. The
// error text and the encoder's output are read after Wait().
class MoviePipeline : public IMovieCreation {
public:
    // workers: rendering threads for stage 3; 0 takes the processor count.
    explicit MoviePipeline(unsigned workers = 0);
    ~MoviePipeline() override;

    bool Start(Document& document, uint32_t windowBegin, uint32_t windowEnd,
               EndNotice onEnd) override;
    void RequestStop() override { stopFlags_.RequestStop(); }
    void Wait() override;
    std::string ErrorText() const override { return errorText_.Get(); }

    int CurrentStage() const override;
    bool TakeStageRestart() override { return restart_.exchange(false); }
    double ProgressFraction() const override;

    // The encoder's command line and its last lines of output, from the last run.
    const std::string& encoderCommandLine() const { return commandLine_; }
    const std::string& encoderOutput() const { return encoderOutput_; }
    // True when the last run ended because of a stop request.
    bool stopped() const { return stopped_; }

private:
    void Run();
    void RunStages();
    // Sets the stage, marks the restart and reads the stop flags; false on a stop.
    bool EnterStage(int stage);
    bool StopRequested();
    bool Fail(const Sys::Result& result);
    void SetPercent(double percent);

    Sys::Result PrepareTmpFolder() const;
    bool TakesPart(const MovieObject& object) const;
    bool ExportPages();
    bool LoadImages();
    bool CreateFrames();
    bool MixAudio();
    void AssembleAndCleanUp();

    unsigned workers_;
    std::thread thread_;
    EndNotice onEnd_;

    // The project as it was when the run started.
    std::vector<MovieObject> objects_;
    MovieProperties properties_;
    std::string folder_;
    uint32_t windowBegin_ = 0, windowEnd_ = 0;
    std::vector<PreparedObject> prepared_;
    std::vector<std::unique_ptr<WorkMemory>> memory_;  // one per rendering worker

    mutable std::mutex stageMutex_;
    int stage_ = 0;
    std::atomic<bool> restart_{false};
    std::atomic<int64_t> progress_{0};  // percent of the stage x 2^31
    Mt::Progress mixProgress_;          // fraction of the soundtrack mixed
    std::atomic<uint32_t> framesDone_{0};
    Mt::StopFlags stopFlags_;
    Mt::SharedText errorText_;
    bool stopped_ = false;
    std::string commandLine_, encoderOutput_;
};
