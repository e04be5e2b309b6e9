#include "production/MoviePipeline.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

#include "audio/SoundtrackMixdown.h"
#include "panelwick/Sys/File.h"
#include "panelwick/Sys/FileSystem.h"
#include "production/FrameStream.h"
#include "production/MovieCommandLine.h"
#include "production/MoviePreflight.h"
#include "production/ObjectsOnDemand.h"
#include "project/Document.h"
#include "render/CreateFrame.h"
#include "render/FrameTiming.h"
#include "video/Encoder.h"
#include "video/EncoderProgress.h"
#include "video/EncoderRun.h"
#include "video/Mp4Length.h"

namespace {

bool Opens(const std::string& path) {
    Sys::File file;
    return file.Open(path, Sys::File::Mode::Read);
}

}  // namespace

MoviePipeline::MoviePipeline(unsigned workers)
    : workers_(workers ? workers : std::max(1u, std::thread::hardware_concurrency())) {}

MoviePipeline::~MoviePipeline() {
    RequestStop();
    Wait();
}

Sys::Result MoviePipeline::Start(const Document& document, uint32_t windowBegin, uint32_t windowEnd,
                                 EndNotice onEnd) {
    if (thread_.joinable()) return "A movie is being made already";
    if (!document.IsOpen()) return "Open a project first";
    MoviePreflight preflight(document.objects, document.properties, document.paths(), windowBegin,
                             windowEnd);
    preflight.SetFrameFiles(!direct_);
    refused_.clear();
    if (!preflight.Check()) {
        refused_ = preflight.badObjects();
        return preflight.Message();
    }
    preparation_ = std::make_unique<ScenePreparation>(document.objects, document.properties,
                                                      document.paths(), windowBegin, windowEnd);
    windowBegin_ = windowBegin;
    windowEnd_ = windowEnd;
    onEnd_ = std::move(onEnd);
    // A stop asked for during an earlier run must not end this one.
    task_.Reset();
    thread_ = std::thread([this] { Run(); });
    return {};
}

void MoviePipeline::Wait() {
    if (thread_.joinable()) thread_.join();
}

int MoviePipeline::CurrentStage() const {
    std::lock_guard lock(stageMutex_);
    return stage_;
}

double MoviePipeline::ProgressFraction() const {
    return CurrentStage() == 4 ? mixTask_.progress() : task_.progress();
}

void MoviePipeline::Run() {
    workerError_.Clear();
    commandLine_.clear();
    result_ = RunStages();
    // A failed run leaves no frames behind; a stopped one keeps them.
    if (result_.failed()) (void)Sys::EmptyFolder(preparation_->scene().paths.tmp());
    preparation_.reset();
    memory_.clear();
    {
        std::lock_guard lock(stageMutex_);
        stage_ = 0;
    }
    if (onEnd_) onEnd_();
}

bool MoviePipeline::EnterStage(int stage) {
    {
        std::lock_guard lock(stageMutex_);
        stage_ = stage;
    }
    task_.SetProgress(0);
    restart_.store(true);
    return !task_.Cancelled();
}

Mt::TaskResult MoviePipeline::RunStages() {
    const Mt::TaskResult stopped = Mt::TaskResult::Stopped();
    if (!EnterStage(1)) return stopped;
    if (Mt::TaskResult r = PrepareTmpFolder(); !r.ok()) return r;
    if (Mt::TaskResult r = preparation_->PreparePages(task_); !r.ok()) return r;
    // Pictures are prepared when the frames that show them come up (see ObjectsOnDemand).
    if (!EnterStage(2)) return stopped;
    if (!EnterStage(3)) return stopped;
    // A direct run mixes the soundtrack first: the encoder takes it with the streamed frames.
    if (direct_) {
        if (Mt::TaskResult r = MixAudio(); !r.ok()) return r;
    }
    if (Mt::TaskResult r = direct_ ? StreamFrames() : CreateFrames(); !r.ok()) return r;
    // A worker that failed cancelled the task so that the others stopped: its message wins.
    if (const std::string error = workerError_.Get(); !error.empty()) return error.c_str();
    if (!EnterStage(4)) return stopped;
    if (!direct_) {
        if (Mt::TaskResult r = MixAudio(); !r.ok()) return r;
    }
    if (!EnterStage(5)) return stopped;
    return AssembleAndCleanUp();
}

Mt::TaskResult MoviePipeline::PrepareTmpFolder() const {
    const std::string tmp = preparation_->scene().paths.tmp();
    if (!Sys::FolderExists(tmp)) {
        if (::mkdir(tmp.c_str(), 0777) != 0) return "Unable to create \\tmp folder";
    } else {
        (void)Sys::EmptyFolder(tmp);
    }
    if (!Sys::FolderExists(tmp)) return "Unable to open \\tmp folder";
    return {};
}

Mt::TaskResult MoviePipeline::CreateFrames() {
    PreparedScene& scene = preparation_->scene();
    memory_.clear();
    for (unsigned i = 0; i < workers_; ++i) {
        memory_.push_back(std::make_unique<WorkMemory>());
        if (!memory_.back()->Reset(scene.properties.width, scene.properties.height)) {
            return "Out of memory";
        }
    }
    framesDone_.store(0);
    const uint32_t frameCount = MovieFrameCount(scene.objects, scene.properties.fps);
    ObjectsOnDemand objects(scene, workers_, frameCount);
    FrameJob job{scene.frameScene(), frameCount, windowBegin_, windowEnd_, framesDone_, task_,
                 workerError_,       {},         &objects};
    {
        std::vector<std::jthread> threads;
        for (unsigned i = 0; i < workers_; ++i) {
            threads.emplace_back([&job, this, i] { CreateFrame(i, workers_, job, *memory_[i]); });
        }
    }
    memory_.clear();
    for (size_t i = 0; i < scene.objects.size(); ++i) {
        if (scene.objects[i].type != MovieObjectType::Audio) scene.prepared[i].Release();
    }
    return {};
}

Mt::TaskResult MoviePipeline::MixAudio() {
    const PreparedScene& scene = preparation_->scene();
    mixTask_.Reset();
    return MixSoundtrack(scene.objects, scene.properties, scene.paths.folder(),
                         scene.paths.soundtrack(), mixTask_, windowBegin_);
}

// The encoder writes a partial movie in tmp; only a complete one (exit status 0 and boxes that
// fill the file with a movie header: a full disk can end the encoder with 0) replaces the
// movie, so a stop or a failure keeps the old one. Failing gives "Error", a blank line and the
// command line, with the encoder's last lines as the detail.
Mt::TaskResult MoviePipeline::AssembleAndCleanUp() {
    const ProjectPaths& paths = preparation_->scene().paths;
    const std::string partial = paths.partialMovie();
    std::string encoder;
    if (!direct_ && !Encoder::Find(encoder)) return Encoder::kNotFound;
    EncoderRun run;
    // A direct run's encoder has written the partial movie already.
    const Mt::TaskResult encoded = direct_ ? Mt::TaskResult() : EncodeFrameFiles(encoder, run);
    if (encoded.stopped()) {
        Sys::DeleteFile(partial);
        return encoded;
    }
    const std::string target = paths.movieOf(windowEnd_);
    const bool complete = encoded.ok() && Mp4Length::FileSeconds(partial) > 0;
    const int renameError =
        complete && std::rename(partial.c_str(), target.c_str()) != 0 ? errno : 0;
    if (run.started() || direct_) {
        {
            std::lock_guard lock(stageMutex_);
            stage_ = 6;
        }
        restart_.store(true);
        const bool keepSpan = complete && !renameError && target == paths.spanMovie();
        (void)Sys::EmptyFolder(paths.tmp(), keepSpan ? "span.mp4" : "");
    }
    if (!complete) {
        return Mt::TaskResult::Failed("Error\r\n\r\n" + commandLine_,
                                      direct_ ? streamTail_ : run.outputTail());
    }
    if (renameError) {
        return Mt::TaskResult::Failed("Unable to replace the movie: " +
                                      std::string(std::strerror(renameError)) + "\n" + target);
    }
    return {};
}

Mt::TaskResult MoviePipeline::EncodeFrameFiles(const std::string& encoder, EncoderRun& run) {
    const PreparedScene& scene = preparation_->scene();
    const MovieProperties& p = scene.properties;
    Sys::DeleteFile(scene.paths.partialMovie());
    commandLine_ = MovieCommandLine(encoder, scene.paths, WithSoundtrack(), p.fps, p.width,
                                    p.height, p.movieQuality, scene.paths.partialMovie());
    EncoderProgress progress(framesDone_.load());
    return run.Run(commandLine_, scene.paths.tmp(), task_, [&](std::string_view line) {
        if (progress.Take(line)) task_.SetProgress(progress.fraction());
    });
}

// The soundtrack goes into the movie when it was mixed: a whole movie with audio objects.
bool MoviePipeline::WithSoundtrack() const {
    return windowBegin_ == 0 && Opens(preparation_->scene().paths.soundtrack());
}

// Stage 3 without frame files: the encoder gets the frames through a pipe as they are
// composed, takes the soundtrack mixed before, and writes the partial movie.
Mt::TaskResult MoviePipeline::StreamFrames() {
    PreparedScene& scene = preparation_->scene();
    const MovieProperties& p = scene.properties;
    std::string encoder;
    if (!Encoder::Find(encoder)) return Encoder::kNotFound;
    const uint32_t total = MovieFrameCount(scene.objects, p.fps);
    FrameRange range{0, total};
    if (windowBegin_ != 0) {
        const FrameWindow window = WindowFrames(p.fps, windowBegin_, windowEnd_);
        const uint32_t last = std::min(window.last, total ? total - 1 : 0);
        range = {window.first,
                 window.first < total && window.first <= last ? last - window.first + 1 : 0};
    }
    const std::string partial = scene.paths.partialMovie();
    Sys::DeleteFile(partial);
    commandLine_ = StreamCommandLine(encoder, scene.paths, WithSoundtrack(), p.fps, p.width,
                                     p.height, p.movieQuality, partial);
    ObjectsOnDemand objects(scene, workers_, total);
    FrameStream stream(scene.frameScene(), range, workers_, &objects);
    EncoderRun run;
    EncoderProgress progress(range.count);
    encoderFraction_.store(0.0);
    const Mt::TaskResult encoded = run.Run(
        commandLine_, scene.paths.tmp(), task_,
        [&](std::string_view line) {
            if (progress.Take(line)) encoderFraction_.store(progress.fraction());
        },
        [&](Sys::Process& program) { stream.Feed(program, task_); });
    encoderFraction_.store(-1.0);
    streamTail_ = run.outputTail();
    framesDone_.store(stream.written());
    if (const std::string error = stream.error(); !error.empty()) return error.c_str();
    if (encoded.stopped()) {
        Sys::DeleteFile(partial);
        return encoded;
    }
    if (!encoded.ok() || stream.written() != range.count) {
        return Mt::TaskResult::Failed("Error\r\n\r\n" + commandLine_, streamTail_);
    }
    for (size_t i = 0; i < scene.objects.size(); ++i) {
        if (scene.objects[i].type != MovieObjectType::Audio) scene.prepared[i].Release();
    }
    return {};
}
