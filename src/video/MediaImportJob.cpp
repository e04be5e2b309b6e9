#include "video/MediaImportJob.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <system_error>
#include <unistd.h>

#include "panelwick/CG/ImageRGBA.h"
#include "panelwick/CG/PictureLoader.h"
#include "panelwick/Mm/WaveFile.h"
#include "panelwick/Sys/FileSystem.h"
#include "panelwick/Sys/FrameFolder.h"
#include "project/Document.h"
#include "video/Encoder.h"
#include "video/ImportedObject.h"
#include "video/MediaConversion.h"
#include "video/MediaKind.h"
#include "video/ProjectFileCopy.h"
#include "video/SoundProbe.h"
#include "video/VideoImport.h"
#include "video/VideoImportJob.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kRefusedHeading = "These files could not be added:";
constexpr const char* kNotMedia =
    "This kind of file cannot be added (pictures: jpg, jpeg, png, gif, bmp; sound: wav, mp3, "
    "ogg, flac, m4a; video: mp4, avi, mkv, mov, webm)";

uint32_t Milliseconds(double seconds) {
    return uint32_t(std::lround(seconds * 1000.0));
}

// The last line an encoder printed, which usually says what it could not do.
std::string LastLine(const std::string& text) {
    std::string line;
    size_t end = text.find_last_not_of("\r\n ");
    if (end == std::string::npos) return line;
    const size_t begin = text.find_last_of("\r\n", end);
    return text.substr(begin == std::string::npos ? 0 : begin + 1, end - begin);
}

// An encoder's failure as one refusal reason.
Mt::TaskResult EncoderRefusal(const Mt::TaskResult& result, const char* what) {
    if (!result.failed()) return result;
    const std::string last = LastLine(result.detail());
    return Mt::TaskResult::Failed(std::string(what) + (last.empty() ? "" : ": " + last));
}

// A file name for the project without double quotes, which the encoder's command lines
// cannot carry.
std::string WithoutQuotes(std::string name) {
    std::replace(name.begin(), name.end(), '"', '\'');
    return name;
}

bool Importable(const fs::path& path, bool picturesOnly) {
    const MediaKind kind = KindOfMedia(path.string());
    return picturesOnly ? kind == MediaKind::Picture : kind != MediaKind::Other;
}

}  // namespace

bool MediaImportJob::NameOrder(const std::string& a, const std::string& b) {
    const std::string x = fs::path(a).filename().string(), y = fs::path(b).filename().string();
    size_t i = 0, j = 0;
    while (i < x.size() && j < y.size()) {
        if (std::isdigit(uint8_t(x[i])) && std::isdigit(uint8_t(y[j]))) {
            size_t ei = i, ej = j;
            while (ei < x.size() && std::isdigit(uint8_t(x[ei]))) ++ei;
            while (ej < y.size() && std::isdigit(uint8_t(y[ej]))) ++ej;
            std::string nx = x.substr(i, ei - i), ny = y.substr(j, ej - j);
            nx.erase(0, std::min(nx.find_first_not_of('0'), nx.size()));
            ny.erase(0, std::min(ny.find_first_not_of('0'), ny.size()));
            if (nx.size() != ny.size()) return nx.size() < ny.size();
            if (nx != ny) return nx < ny;
            i = ei;
            j = ej;
            continue;
        }
        const int cx = std::tolower(uint8_t(x[i])), cy = std::tolower(uint8_t(y[j]));
        if (cx != cy) return cx < cy;
        ++i;
        ++j;
    }
    if (x.size() - i != y.size() - j) return x.size() - i < y.size() - j;
    return x < y;
}

std::vector<std::string> MediaImportJob::Expand(const std::vector<std::string>& paths,
                                                bool picturesOnly) {
    std::vector<std::string> files;
    for (const std::string& path : paths) {
        if (!Sys::FolderExists(path)) {
            files.push_back(path);
            continue;
        }
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(path, ec)) {
            if (entry.is_regular_file(ec) && Importable(entry.path(), picturesOnly)) {
                files.push_back(entry.path().string());
            }
        }
    }
    std::stable_sort(files.begin(), files.end(), NameOrder);
    return files;
}

void MediaImportJob::Plan(const std::string& projectFolder, const std::vector<std::string>& files,
                          uint32_t at, uint32_t pictureMs, bool picturesOnly) {
    folder_ = projectFolder;
    files_ = Expand(files, picturesOnly);
    at_ = at;
    pictureMs_ = std::max<uint32_t>(pictureMs, 1);
}

Mt::TaskResult MediaImportJob::Run(Mt::Task& task) {
    objects_.clear();
    refused_.clear();
    created_.clear();
    cursor_ = at_;
    const double n = double(std::max<size_t>(files_.size(), 1));
    for (size_t i = 0; i < files_.size(); ++i) {
        const size_t createdBefore = created_.size(), objectsBefore = objects_.size();
        const uint32_t cursorBefore = cursor_;
        Mt::TaskResult r = ImportOne(files_[i], task, double(i) / n, double(i + 1) / n);
        RemoveLinks();
        if (task.Cancelled() || r.stopped()) {
            Discard();
            return Mt::TaskResult::Stopped();
        }
        if (r.failed()) {
            // A refused file leaves nothing of itself behind.
            DeleteCreated(createdBefore);
            objects_.resize(objectsBefore);
            cursor_ = cursorBefore;
            refused_.push_back(r.message() + "\n" + files_[i]);
        }
        task.SetProgress(double(i + 1) / n);
    }
    return {};
}

Mt::TaskResult MediaImportJob::ImportOne(const std::string& path, Mt::Task& task, double from,
                                         double to) {
    const MediaKind kind = KindOfMedia(path);
    if (kind == MediaKind::Other) return Mt::TaskResult::Failed(kNotMedia);
    if (::access(path.c_str(), R_OK) != 0 || !Sys::FileExists(path)) {
        return Mt::TaskResult::Failed(
            "Unable to open file, the file does not exist or it cannot be read");
    }
    switch (kind) {
        case MediaKind::Picture:
            return ImportPicture(path, task, from, to);
        case MediaKind::Wave:
            return ImportWave(path, task, from, to);
        case MediaKind::Sound:
            return ImportSound(path, task);
        case MediaKind::Video:
            return ImportVideo(path, task);
        case MediaKind::Other:
            break;
    }
    return Mt::TaskResult::Failed(kNotMedia);
}

Mt::TaskResult MediaImportJob::ImportPicture(const std::string& path, Mt::Task& task, double from,
                                             double to) {
    CG::ImageRGBA picture;
    if (Sys::Result r = CG::LoadPicture(picture, path); r.failed()) return r;
    ProjectFileCopy copy(folder_);
    if (Mt::TaskResult r = copy.Bring(path, task, from, to); !r.ok()) return r;
    if (copy.created()) Created(copy.name());
    objects_.push_back(ImportedObject::Visual(MovieObjectType::Image, copy.name(), picture.width(),
                                              picture.height(), cursor_, pictureMs_));
    cursor_ += pictureMs_;
    return {};
}

Mt::TaskResult MediaImportJob::ImportWave(const std::string& path, Mt::Task& task, double from,
                                          double to) {
    bool programFormat = false;
    {
        Mm::WaveFile wave;
        if (Sys::Result r = wave.OpenForReading(path); r.failed()) return r;
        programFormat = wave.samplesPerSecond() == 44100 && wave.bitsPerSample() == 16 &&
                        (wave.channels() == 1 || wave.channels() == 2);
    }
    if (!programFormat) return ImportSound(path, task);
    ProjectFileCopy copy(folder_);
    if (Mt::TaskResult r = copy.Bring(path, task, from, to); !r.ok()) return r;
    if (copy.created()) Created(copy.name());
    double seconds = 0;
    if (Sys::Result r = Mm::WaveFile::GetDuration(folder_ + "/" + copy.name(), seconds);
        r.failed()) {
        return r;
    }
    const uint32_t length = Milliseconds(seconds);
    objects_.push_back(ImportedObject::Audio(copy.name(), cursor_, length));
    cursor_ += std::max<uint32_t>(length, 1);
    return {};
}

Mt::TaskResult MediaImportJob::ImportSound(const std::string& path, Mt::Task& task) {
    std::string wave;
    uint32_t length = 0;
    std::string title = fs::path(path).stem().string();
    if (Mt::TaskResult r = ConvertToWave(path, title, task, wave, length); !r.ok()) return r;
    objects_.push_back(ImportedObject::Audio(wave, cursor_, length));
    cursor_ += length;
    return {};
}

Mt::TaskResult MediaImportJob::ConvertToWave(const std::string& path, const std::string& title,
                                             Mt::Task& task, std::string& wave,
                                             uint32_t& lengthMs) {
    if (Mt::TaskResult r = FindEncoder(); !r.ok()) return r;
    wave = ProjectFileCopy::FreeName(folder_, WithoutQuotes(title) + ".wav");
    MediaConversion conversion;
    conversion.PlanProjectWave(EncoderPath(path), folder_ + "/" + wave, encoder_);
    Created(wave);
    if (Mt::TaskResult r = conversion.Run(task); !r.ok()) {
        return EncoderRefusal(r, "The encoder could not read the sound of this file");
    }
    double seconds = 0;
    if (Sys::Result d = Mm::WaveFile::GetDuration(folder_ + "/" + wave, seconds); d.failed())
        return d;
    lengthMs = std::max<uint32_t>(Milliseconds(seconds), 1);
    return {};
}

Mt::TaskResult MediaImportJob::ImportVideo(const std::string& path, Mt::Task& task) {
    if (Mt::TaskResult r = FindEncoder(); !r.ok()) return r;
    std::string base;
    if (!VideoImport::FolderName(path, base)) return Mt::TaskResult::Failed("Error in file name");
    std::string name = base;
    for (int n = 2; fs::exists(fs::path(folder_) / name); ++n) {
        name = base + "_" + std::to_string(n);
    }
    const std::string source = EncoderPath(path);
    VideoImportJob video;
    if (Sys::Result r = video.Plan(folder_, source); r.failed()) return r;
    video.UseFolderName(name);
    Created(name);
    if (Mt::TaskResult r = video.Run(task); !r.ok()) {
        return EncoderRefusal(r, "The encoder could not read the pictures of this file");
    }
    CG::ImageRGBA first;
    if (Sys::Result r = CG::LoadPicture(first, Sys::FramePath(folder_, name, 1)); r.failed()) {
        return r;
    }
    const uint32_t length = std::max<uint32_t>(video.lengthMs(), 1);
    objects_.push_back(ImportedObject::Visual(MovieObjectType::Video, name, first.width(),
                                              first.height(), cursor_, length));
    bool hasSound = false;
    if (Mt::TaskResult r = SoundProbe::Run(encoder_, source, task, hasSound); !r.ok()) return r;
    if (hasSound) {
        std::string wave;
        uint32_t soundMs = 0;
        if (Mt::TaskResult r = ConvertToWave(source, name, task, wave, soundMs); !r.ok()) {
            return r;
        }
        objects_.push_back(ImportedObject::Audio(wave, cursor_, std::min(soundMs, length)));
    }
    cursor_ += length;
    return {};
}

Mt::TaskResult MediaImportJob::FindEncoder() {
    if (encoder_.empty() && !Encoder::Find(encoder_)) {
        return Mt::TaskResult::Failed(Encoder::kNotFound);
    }
    return {};
}

std::string MediaImportJob::EncoderPath(const std::string& path) {
    if (path.find('"') == std::string::npos) return path;
    const std::string link =
        ProjectFileCopy::FreeName(folder_, ".import" + fs::path(path).extension().string());
    const std::string target = fs::absolute(path).string();
    if (::symlink(target.c_str(), (folder_ + "/" + link).c_str()) == 0) {
        links_.push_back(folder_ + "/" + link);
        return folder_ + "/" + link;
    }
    return path;
}

void MediaImportJob::RemoveLinks() {
    for (const std::string& link : links_) Sys::DeleteFile(link);
    links_.clear();
}

void MediaImportJob::DeleteCreated(size_t keep) {
    while (created_.size() > keep) {
        std::error_code ec;
        fs::remove_all(created_.back(), ec);
        created_.pop_back();
    }
}

void MediaImportJob::Discard() {
    DeleteCreated(0);
    objects_.clear();
    cursor_ = at_;
}

std::string MediaImportJob::RefusedMessage() const {
    std::string text = kRefusedHeading;
    for (const std::string& r : refused_) text += "\n\n" + r;
    return text;
}

void MediaImportJob::AddTo(Document& document) const {
    if (objects_.empty()) return;
    document.MakeUndoPoint();
    const int first = int(document.objects.size());
    document.objects.insert(document.objects.end(), objects_.begin(), objects_.end());
    document.Select(first, int(document.objects.size()) - 1);
    document.NotifyRepaint();
    document.NotifyObjectsChanged();
}
