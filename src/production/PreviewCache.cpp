#include "production/PreviewCache.h"

#include <algorithm>
#include <filesystem>

#include "panelwick/Sys/Utf.h"
#include "production/PlaceholderObject.h"
#include "production/ScenePreparation.h"
#include "render/Animation.h"
#include "render/FrameComposer.h"
#include "render/PrepareObject.h"

namespace {

// When the file an object's picture comes from last changed (0 for objects made from their
// fields, -1 when it cannot be read), so that a file replaced on disk is prepared again.
int64_t FileStamp(const MovieObject& o, const std::string& folder) {
    std::string path = folder + "/" + Sys::ToUtf8(o.fileName);
    switch (o.type) {
        case MovieObjectType::Image:
        case MovieObjectType::CorelDrawPage:
            break;
        case MovieObjectType::Video:
            path += "/video.bin";
            break;
        default:
            return 0;
    }
    std::error_code error;
    const auto time = std::filesystem::last_write_time(path, error);
    if (error) return -1;
    const auto size = std::filesystem::file_size(path, error);
    return int64_t(time.time_since_epoch().count()) ^ (error ? 0 : int64_t(size) << 40);
}

}  // namespace

bool PreviewCache::Reuse(const Source& source, size_t hint, std::vector<Source>& sources,
                         std::vector<MovieObject>& drawn, std::vector<PreparedObject>& prepared) {
    auto matches = [&](size_t k) {
        return !taken_[k] && sources_[k].held && sources_[k].object == source.object &&
               sources_[k].fileStamp == source.fileStamp;
    };
    // Most edits keep the order, so the same row is tried first.
    size_t found = hint < sources_.size() && matches(hint) ? hint : sources_.size();
    for (size_t k = 0; found == sources_.size() && k < sources_.size(); ++k) {
        if (matches(k)) found = k;
    }
    if (found == sources_.size()) return false;
    taken_[found] = true;
    sources.push_back(std::move(sources_[found]));
    drawn.push_back(std::move(drawn_[found]));
    prepared.push_back(std::move(prepared_[found]));
    return true;
}

void PreviewCache::Prepare(const Source& source, const PreviewSnapshot& snapshot,
                           std::vector<Source>& sources, std::vector<MovieObject>& drawn,
                           std::vector<PreparedObject>& prepared) {
    ScenePreparation preparation({source.object}, snapshot.properties, snapshot.paths);
    preparation.SetSkipFailures(true);
    (void)preparation.PrepareAll(Mt::Task::Unwatched());
    PreparedScene& scene = preparation.scene();
    sources.push_back(source);
    if (!scene.objects.empty()) {
        drawn.push_back(source.object);
        prepared.push_back(std::move(scene.prepared[0]));
        return;
    }
    // One line for the status bar: the file, then the loader's text (without the line that
    // repeats the file's name).
    std::string reason = preparation.skipped().empty() ? "" : preparation.skipped()[0];
    reason = reason.substr(0, reason.find('\n'));
    sources.back().failure = Sys::ToUtf8(source.object.fileName) + ": " + reason;
    drawn.push_back(PlaceholderObject(source.object));
    prepared.emplace_back();
    // Without fonts even the placeholder fails; its empty picture draws nothing.
    (void)PrepareObject(drawn.back(), prepared.back(), folder_, snapshot.properties.width,
                        snapshot.properties.height);
}

void PreviewCache::Release(const MovieObject& object, std::vector<Source>& sources,
                           std::vector<MovieObject>& drawn, std::vector<PreparedObject>& prepared) {
    sources.push_back(Source{object, 0, {}, false});
    drawn.push_back(object);
    prepared.emplace_back();
}

Mt::TaskResult PreviewCache::Update(const PreviewSnapshot& snapshot, Mt::Task& task,
                                    uint32_t frame) {
    lastPrepared_ = 0;
    const uint32_t fps = snapshot.properties.fps ? snapshot.properties.fps : 25;
    const uint32_t ms = uint32_t(std::min<uint64_t>(uint64_t(frame) * 1000 / fps, UINT32_MAX / 2));
    if (snapshot.revision == revision_ && InSpan(ms)) return {};
    if (snapshot.paths.folder() != folder_) {
        sources_.clear();
        drawn_.clear();
        prepared_.clear();
        folder_ = snapshot.paths.folder();
    }
    properties_ = snapshot.properties;
    const uint32_t begin = ms > kBehindMs ? ms - kBehindMs : 0, end = ms + kAheadMs;
    taken_.assign(sources_.size(), false);
    std::vector<Source> sources;
    std::vector<MovieObject> drawn;
    std::vector<PreparedObject> prepared;
    bool stopped = false;
    for (size_t i = 0; i < snapshot.objects.size() && !stopped; ++i) {
        const MovieObject& object = snapshot.objects[i];
        if (object.end < begin || object.begin > end) {
            Release(object, sources, drawn, prepared);
            continue;
        }
        const Source source{object, FileStamp(object, folder_), {}};
        if (Reuse(source, i, sources, drawn, prepared)) continue;
        Prepare(source, snapshot, sources, drawn, prepared);
        ++lastPrepared_;
        stopped = task.Cancelled();
    }
    if (stopped) {
        // The entries not reached stay for the next Update to reuse.
        for (size_t k = 0; k < sources_.size(); ++k) {
            if (taken_[k]) continue;
            sources.push_back(std::move(sources_[k]));
            drawn.push_back(std::move(drawn_[k]));
            prepared.push_back(std::move(prepared_[k]));
        }
    }
    sources_ = std::move(sources);
    drawn_ = std::move(drawn);
    prepared_ = std::move(prepared);
    revision_ = stopped ? kNoRevision : snapshot.revision;
    spanBegin_ = begin;
    spanEnd_ = end;
    ratesWidth_ = ratesHeight_ = 0;
    return stopped ? Mt::TaskResult::Stopped() : Mt::TaskResult();
}

Sys::Result PreviewCache::Compose(uint32_t frame, int32_t width, int32_t height,
                                  CG::DIBitmap& target) {
    if (width <= 0 || height <= 0 || width > 0xFFFF || height > 0xFFFF) {
        return "The preview size is out of range";
    }
    if (width != ratesWidth_ || height != ratesHeight_) {
        for (size_t i = 0; i < drawn_.size(); ++i) {
            if (IsVisual(drawn_[i].type))
                prepared_[i].rates = ComputeRates(drawn_[i], width, height);
        }
        ratesWidth_ = width;
        ratesHeight_ = height;
    }
    if (target.empty() || target.width() != width || target.height() != height) {
        if (!target.Create(24, 0, width, height, false)) return "Out of memory";
    }
    MovieProperties properties = properties_;
    properties.width = uint16_t(width);
    properties.height = uint16_t(height);
    const FrameScene scene{drawn_, prepared_, properties, folder_};
    return ComposeFrame(scene, frame, target, videoPicture_);
}

std::vector<std::string> PreviewCache::failures() const {
    std::vector<std::string> out;
    for (const Source& s : sources_) {
        if (!s.failure.empty()) out.push_back(s.failure);
    }
    return out;
}
