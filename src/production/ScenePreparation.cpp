#include "production/ScenePreparation.h"

#include <sys/stat.h>

#include "panelwick/Sys/FileSystem.h"
#include "project/PageExportCache.h"
#include "render/PrepareObject.h"
#include "video/PageExportSession.h"

ScenePreparation::ScenePreparation(const std::vector<MovieObject>& objects,
                                   const MovieProperties& properties, ProjectPaths paths,
                                   uint32_t begin, uint32_t end)
    : begin_(begin), end_(end), failed_(objects.size(), false) {
    scene_.objects = objects;
    scene_.prepared.assign(objects.size(), PreparedObject{});
    scene_.properties = properties;
    scene_.paths = std::move(paths);
}

bool ScenePreparation::TakesPart(const MovieObject& o) const {
    return begin_ == 0 || (o.begin <= end_ && o.end >= begin_);
}

bool ScenePreparation::IsPage(const MovieObject& o) const {
    return o.type == MovieObjectType::CorelDrawPage && TakesPart(o);
}

bool ScenePreparation::IsPicture(const MovieObject& o) const {
    const bool picture = o.type == MovieObjectType::Image || o.type == MovieObjectType::Text ||
                         o.type == MovieObjectType::Rectangle || o.type == MovieObjectType::Video;
    return picture && TakesPart(o);
}

size_t ScenePreparation::pageCount() const {
    size_t n = 0;
    for (const MovieObject& o : scene_.objects) n += IsPage(o);
    return n;
}

size_t ScenePreparation::pictureCount() const {
    size_t n = 0;
    for (const MovieObject& o : scene_.objects) n += IsPicture(o);
    return n;
}

bool ScenePreparation::Failed(size_t index, const Sys::Result& result) {
    if (result.ok()) return false;
    failed_[index] = true;
    if (skipFailures_) skipped_.push_back(result.message());
    return !skipFailures_;
}

Mt::TaskResult ScenePreparation::PreparePages(Mt::Task& task) {
    const size_t pages = pageCount();
    if (pages == 0) return {};
    const int w = scene_.properties.width, h = scene_.properties.height;
    const std::string png = scene_.paths.pageExport();
    (void)::mkdir(scene_.paths.tmp().c_str(), 0777);
    PageExportSession session;
    const PageExportCache cache;  // the timeline's page rows show the kept copies
    // Without a server every page fails with its message.
    const Sys::Result started = session.Start();
    size_t done = 0;
    for (size_t i = 0; i < scene_.objects.size(); ++i) {
        const MovieObject& o = scene_.objects[i];
        if (!IsPage(o)) continue;
        Sys::Result r = started;
        if (r.ok()) r = session.ExportToPng(scene_.paths.folder(), o, png);
        if (r.ok()) cache.Keep(png, scene_.paths.folder(), o);
        if (r.ok()) r = PrepareObject(o, scene_.prepared[i], scene_.paths.folder(), w, h);
        Sys::DeleteFile(png);
        if (Failed(i, r)) {
            (void)session.Quit();
            return r;
        }
        task.SetProgress(double(++done) / double(pages));
        if (task.Cancelled()) break;
    }
    (void)session.Quit();
    return task.Cancelled() ? Mt::TaskResult::Stopped() : Mt::TaskResult();
}

Mt::TaskResult ScenePreparation::PreparePictures(Mt::Task& task) {
    const size_t pictures = pictureCount();
    const int w = scene_.properties.width, h = scene_.properties.height;
    size_t done = 0;
    for (size_t i = 0; i < scene_.objects.size(); ++i) {
        const MovieObject& o = scene_.objects[i];
        if (!IsPicture(o)) continue;
        const Sys::Result r = PrepareObject(o, scene_.prepared[i], scene_.paths.folder(), w, h);
        if (Failed(i, r)) return r;
        task.SetProgress(double(++done) / double(pictures));
        if (task.Cancelled()) return Mt::TaskResult::Stopped();
    }
    return {};
}

Mt::TaskResult ScenePreparation::PrepareAll(Mt::Task& task) {
    Mt::TaskResult result = PreparePages(task);
    if (result.ok()) result = PreparePictures(task);
    if (result.ok()) DropFailed();
    return result;
}

void ScenePreparation::DropFailed() {
    size_t kept = 0;
    for (size_t i = 0; i < scene_.objects.size(); ++i) {
        if (failed_[i]) continue;
        if (kept != i) {
            scene_.objects[kept] = scene_.objects[i];
            scene_.prepared[kept] = scene_.prepared[i];
        }
        ++kept;
    }
    scene_.objects.resize(kept);
    scene_.prepared.resize(kept);
    failed_.assign(kept, false);
}
