#include "production/MoviePipeline.h"

#include <sys/stat.h>

#include <algorithm>

#include "audio/SoundtrackMixdown.h"
#include "panelwick/Sys/File.h"
#include "panelwick/Sys/FileSystem.h"
#include "production/MovieCommandLine.h"
#include "production/PagePreparation.h"
#include "project/Document.h"
#include "render/CreateFrame.h"
#include "render/FrameTiming.h"
#include "render/PrepareObject.h"
#include "video/Encoder.h"
#include "video/EncoderJob.h"
#include "video/PageExportSession.h"

namespace {

bool IsPicture(const MovieObject& o) {
    return o.type == MovieObjectType::Image || o.type == MovieObjectType::Text ||
           o.type == MovieObjectType::Rectangle || o.type == MovieObjectType::Video;
}

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

bool MoviePipeline::Start(Document& document, uint32_t windowBegin, uint32_t windowEnd,
                          EndNotice onEnd) {
    if (thread_.joinable() || !document.IsOpen()) return false;
    objects_ = document.objects;
    properties_ = document.properties;
    folder_ = document.folder();
    windowBegin_ = windowBegin;
    windowEnd_ = windowEnd;
    onEnd_ = std::move(onEnd);
    // A stop asked for during an earlier run must not end this one.
    stopFlags_.Clear();
    thread_ = std::thread([this] { Run(); });
    return true;
}

void MoviePipeline::Wait() {
    if (thread_.joinable()) thread_.join();
}

int MoviePipeline::CurrentStage() const {
    std::lock_guard lock(stageMutex_);
    return stage_;
}

double MoviePipeline::ProgressFraction() const {
    if (CurrentStage() == 4) return mixProgress_.Get();
    return double(progress_.load()) / double(Mt::Progress::kOne) / 100.0;
}

void MoviePipeline::Run() {
    errorText_.Clear();
    stopped_ = false;
    commandLine_.clear();
    encoderOutput_.clear();
    RunStages();
    prepared_.clear();
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
    progress_.store(0);
    restart_.store(true);
    return !StopRequested();
}

bool MoviePipeline::StopRequested() {
    if (!stopFlags_.StopRequested()) return false;
    stopped_ = true;
    return true;
}

bool MoviePipeline::Fail(const Sys::Result& result) {
    if (result.ok()) return false;
    errorText_.Set(result.message());
    return true;
}

void MoviePipeline::SetPercent(double percent) {
    progress_.store(int64_t(percent * double(Mt::Progress::kOne)));
}

void MoviePipeline::RunStages() {
    prepared_.assign(objects_.size(), PreparedObject{});
    if (!EnterStage(1) || Fail(PrepareTmpFolder())) return;
    if (!ExportPages()) return;
    if (!EnterStage(2) || !LoadImages()) return;
    if (!EnterStage(3) || !CreateFrames()) return;
    if (!EnterStage(4) || !MixAudio()) return;
    if (!EnterStage(5)) return;
    AssembleAndCleanUp();
}

Sys::Result MoviePipeline::PrepareTmpFolder() const {
    const std::string tmp = folder_ + "/tmp";
    if (!Sys::FolderExists(tmp)) {
        if (::mkdir(tmp.c_str(), 0777) != 0) return "Unable to create \\tmp folder";
    } else {
        (void)Sys::EmptyFolder(tmp);
    }
    if (!Sys::FolderExists(tmp)) return "Unable to open \\tmp folder";
    return {};
}

bool MoviePipeline::TakesPart(const MovieObject& o) const {
    if (windowBegin_ == 0) return true;
    return o.begin <= windowEnd_ && o.end >= windowBegin_;
}

bool MoviePipeline::ExportPages() {
    size_t pages = 0;
    for (const MovieObject& o : objects_) {
        if (o.type == MovieObjectType::CorelDrawPage && TakesPart(o)) ++pages;
    }
    if (pages == 0) return true;
    PageExportSession session;
    Sys::Result result = session.Start();
    size_t done = 0;
    for (size_t i = 0; i < objects_.size() && result.ok(); ++i) {
        const MovieObject& o = objects_[i];
        if (o.type != MovieObjectType::CorelDrawPage || !TakesPart(o)) continue;
        result = PreparePageObject(session, o, prepared_[i], folder_, properties_.width,
                                   properties_.height);
        SetPercent(double(++done) * 100 / double(pages));
        if (result.ok() && StopRequested()) break;
    }
    (void)session.Quit();
    return !Fail(result) && !stopped_;
}

bool MoviePipeline::LoadImages() {
    size_t pictures = 0, done = 0;
    for (const MovieObject& o : objects_) {
        if (IsPicture(o) && TakesPart(o)) ++pictures;
    }
    for (size_t i = 0; i < objects_.size(); ++i) {
        const MovieObject& o = objects_[i];
        if (!IsPicture(o) || !TakesPart(o)) continue;
        if (Fail(PrepareObject(o, prepared_[i], folder_, properties_.width, properties_.height))) {
            return false;
        }
        SetPercent(double(++done) * 100 / double(pictures));
        if (StopRequested()) return false;
    }
    return true;
}

bool MoviePipeline::CreateFrames() {
    memory_.clear();
    for (unsigned i = 0; i < workers_; ++i) {
        memory_.push_back(std::make_unique<WorkMemory>());
        if (!memory_.back()->Reset(properties_.width, properties_.height)) {
            return !Fail("Out of memory");
        }
    }
    framesDone_.store(0);
    FrameJob job{FrameScene{objects_, prepared_, properties_, folder_},
                 MovieFrameCount(objects_, properties_.fps),
                 windowBegin_,
                 windowEnd_,
                 framesDone_,
                 progress_,
                 stopFlags_,
                 errorText_,
                 {}};
    {
        std::vector<std::jthread> threads;
        for (unsigned i = 0; i < workers_; ++i) {
            threads.emplace_back([&job, this, i] { CreateFrame(i, workers_, job, *memory_[i]); });
        }
    }
    memory_.clear();
    for (size_t i = 0; i < objects_.size(); ++i) {
        if (objects_[i].type != MovieObjectType::Audio) prepared_[i].Release();
    }
    return true;
}

bool MoviePipeline::MixAudio() {
    mixProgress_.Reset();
    return !Fail(MixSoundtrack(objects_, properties_, folder_, folder_ + "/tmp/movie.wav",
                               mixProgress_, windowBegin_));
}

void MoviePipeline::AssembleAndCleanUp() {
    Sys::DeleteFile(folder_ + "/movie.mp4");
    std::string encoder;
    if (!Encoder::Find(encoder)) {
        errorText_.Set(Encoder::kNotFound);
        return;
    }
    const bool withSoundtrack = windowBegin_ == 0 && Opens(folder_ + "/tmp/movie.wav");
    commandLine_ = MovieCommandLine(encoder, folder_, withSoundtrack, properties_.fps,
                                    properties_.width, properties_.height,
                                    properties_.movieQuality);
    EncoderJob job;
    bool started = job.Start(commandLine_, folder_ + "/tmp");
    if (started) {
        job.Wait();
        started = job.result().empty();
        encoderOutput_ = job.outputTail();
    }
    if (started) {
        {
            std::lock_guard lock(stageMutex_);
            stage_ = 6;
        }
        restart_.store(true);
        (void)Sys::EmptyFolder(folder_ + "/tmp");
    }
    if (!started || !Opens(folder_ + "/movie.mp4")) {
        errorText_.Set("Error\r\n\r\n" + commandLine_);
    }
}
