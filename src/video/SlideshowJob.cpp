#include "video/SlideshowJob.h"

#include "project/SlideshowLayout.h"
#include "video/MediaImportJob.h"
#include "video/MediaKind.h"

Sys::Result SlideshowJob::Plan(const std::string& projectFolder, Settings settings) {
    folder_ = projectFolder;
    settings_ = std::move(settings);
    pictures_ = MediaImportJob::Expand(settings_.pictures, true);
    if (pictures_.empty()) return "No pictures to show";
    for (const std::string& picture : pictures_) {
        if (KindOfMedia(picture) != MediaKind::Picture) return "Not a picture\n" + picture;
    }
    const MediaKind music = KindOfMedia(settings_.music);
    if (!settings_.music.empty() && music != MediaKind::Wave && music != MediaKind::Sound) {
        return "Not a sound file\n" + settings_.music;
    }
    return {};
}

Mt::TaskResult SlideshowJob::Run(Mt::Task& task) {
    objects_.clear();
    MediaImportJob pictures, music;
    pictures.Plan(folder_, pictures_, 0, settings_.pictureMs);
    if (Mt::TaskResult r = pictures.Run(task); !r.ok()) return r;
    auto refuse = [&](const MediaImportJob& job) {
        const std::string message = job.RefusedMessage();
        pictures.Discard();
        music.Discard();
        return Mt::TaskResult::Failed(message);
    };
    if (pictures.AnyRefused()) return refuse(pictures);
    length_ = pictures.end();
    for (const MovieObject& picture : pictures.objects()) {
        for (MovieObject& part : SlideshowLayout::FadeAndZoom(picture, settings_.fadeMs)) {
            objects_.push_back(part);
        }
    }
    if (settings_.music.empty()) return {};
    music.Plan(folder_, {settings_.music}, 0);
    if (Mt::TaskResult r = music.Run(task); !r.ok()) {
        pictures.Discard();
        return r;
    }
    if (music.AnyRefused()) return refuse(music);
    for (MovieObject sound : music.objects()) {
        if (sound.type != MovieObjectType::Audio) continue;
        SlideshowLayout::UnderShow(sound, length_);
        objects_.push_back(sound);
    }
    return {};
}
