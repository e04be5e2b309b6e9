#include "production/MoviePreflight.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <vector>

#include "panelwick/CG/ImageDecoder.h"
#include "panelwick/CG/JpegEncoder.h"
#include "panelwick/CG/PictureLoader.h"
#include "panelwick/Mm/BufferedWaveFile.h"
#include "panelwick/Sys/Buffer.h"
#include "panelwick/Sys/FileSystem.h"
#include "panelwick/Sys/FrameFolder.h"
#include "panelwick/Sys/Utf.h"
#include "project/MovieFrameCount.h"
#include "video/Encoder.h"

namespace {

constexpr const char* kMissing = "Missing file";
constexpr uint64_t kWaveHeaderBytes = 44;
constexpr uint64_t kSoundtrackBytesPerSecond = 44100 * 4;

std::string SystemReason(int error) {
    return std::strerror(error);
}

// Why a picture file cannot be read as a picture; empty when its first bytes start one.
std::string PictureProblem(const std::string& path) {
    const std::string ext = CG::PictureExtension(path);
    if (ext != "gif" && ext != "jpg" && ext != "jpeg" && ext != "png" && ext != "bmp") {
        return "The file must be JPG, PNG, GIF of BMP";
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT ? kMissing : SystemReason(errno);
    std::array<uint8_t, 8> head{};
    const ssize_t n = ::read(fd, head.data(), head.size());
    ::close(fd);
    if (n < 0) return SystemReason(errno);
    if (!CG::ImageDecoder::Recognises(std::span(head.data(), size_t(n)))) {
        return "Not a JPG, PNG, GIF or BMP picture";
    }
    return {};
}

std::string WaveProblem(const std::string& path) {
    if (!Sys::FileExists(path)) return kMissing;
    Mm::BufferedWaveFile wave;
    const Sys::Result opened = wave.OpenForReadingStrict(path);
    (void)wave.Close();
    return opened.message();
}

// A frame with smooth and busy parts, the kind of picture a movie shows, as packed RGB.
std::vector<uint8_t> TestFrame(int width, int height) {
    std::vector<uint8_t> rgb(size_t(width) * size_t(height) * 3);
    uint8_t* p = rgb.data();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x, p += 3) {
            const bool busy = (x / 64 + y / 64) % 4 == 0;
            const int detail = busy ? ((x * 37 + y * 101) ^ (x * y)) & 63 : 0;
            p[0] = uint8_t(x * 255 / width);
            p[1] = uint8_t(y * 255 / height + detail);
            p[2] = uint8_t(128 + detail);
        }
    }
    return rgb;
}

}  // namespace

MoviePreflight::MoviePreflight(const std::vector<MovieObject>& objects,
                               const MovieProperties& properties, const ProjectPaths& paths,
                               uint32_t begin, uint32_t end)
    : objects_(objects), properties_(properties), paths_(paths), begin_(begin), end_(end) {}

bool MoviePreflight::Check() {
    problems_.clear();
    badObjects_.clear();
    CheckEncoder();
    // The space estimate encodes a frame of the movie's size, which needs a sane size.
    const bool sane = CheckProperties();
    CheckObjects();
    CheckFolder(sane);
    return problems_.empty();
}

std::string MoviePreflight::Message() const {
    if (problems_.empty()) return {};
    std::string text = "The movie cannot be made:";
    for (const std::string& problem : problems_) text += "\n" + problem;
    return text;
}

void MoviePreflight::CheckEncoder() {
    std::string folder;
    if (!Encoder::Find(folder)) problems_.push_back(Encoder::kNotFound);
}

bool MoviePreflight::CheckProperties() {
    const size_t before = problems_.size();
    const int fps = properties_.fps, width = properties_.width, height = properties_.height;
    char text[160];
    if (fps < kMinFps || fps > kMaxFps) {
        std::snprintf(text, sizeof text, "Frames per second is %d; it must be %d to %d", fps,
                      kMinFps, kMaxFps);
        problems_.push_back(text);
    }
    if (width < kMinMovieWidth || width > kMaxMovieWidth || height < kMinMovieHeight ||
        height > kMaxMovieHeight) {
        std::snprintf(text, sizeof text, "The movie size is %dx%d; it must be %dx%d to %dx%d",
                      width, height, kMinMovieWidth, kMinMovieHeight, kMaxMovieWidth,
                      kMaxMovieHeight);
        problems_.push_back(text);
    }
    return problems_.size() == before;
}

void MoviePreflight::CheckObjects() {
    for (size_t i = 0; i < objects_.size(); ++i) {
        const MovieObject& object = objects_[i];
        const bool takesPart = begin_ == 0 || (object.begin <= end_ && object.end >= begin_);
        // A time window's movie has no soundtrack.
        if (!takesPart || (begin_ != 0 && object.type == MovieObjectType::Audio)) continue;
        const std::string problem = FileProblem(object);
        if (problem.empty()) continue;
        problems_.push_back(problem);
        badObjects_.push_back(i);
    }
}

std::string MoviePreflight::FileProblem(const MovieObject& object) const {
    const std::string name = Sys::ToUtf8(object.fileName);
    const std::string path = paths_.folder() + "/" + name;
    std::string problem;
    switch (object.type) {
        case MovieObjectType::Image:
            problem = PictureProblem(path);
            break;
        case MovieObjectType::Audio:
            problem = WaveProblem(path);
            break;
        case MovieObjectType::CorelDrawPage:
            if (!Sys::FileExists(path)) problem = kMissing;
            break;
        case MovieObjectType::Video:
            problem = PictureProblem(Sys::FramePictureToOpen(paths_.folder(), name, 1));
            if (problem.empty() && !Sys::FileExists(Sys::VideoBinPath(paths_.folder(), name))) {
                problem = "Unable to load video.bin";
            }
            break;
        default:
            break;
    }
    if (problem.empty()) return problem;
    if (problem == kMissing) return std::string(kMissing) + ": " + path;
    return path + ": " + problem;
}

void MoviePreflight::CheckFolder(bool withSpace) {
    const std::string& folder = paths_.folder();
    const std::string probe = folder + "/.reelwork-write-test";
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        problems_.push_back("The project folder cannot be written: " + SystemReason(errno) + "\n" +
                            folder);
        return;
    }
    ::close(fd);
    ::unlink(probe.c_str());
    struct statvfs fs {};
    if (!withSpace || ::statvfs(folder.c_str(), &fs) != 0) return;
    const uint64_t free = uint64_t(fs.f_bavail) * fs.f_frsize;
    const uint64_t needed = SpaceNeeded();
    if (free < needed) {
        char text[200];
        std::snprintf(text, sizeof text,
                      "Not enough free space in the project folder: %llu MB needed, %llu MB "
                      "free",
                      (unsigned long long)(needed >> 20) + 1, (unsigned long long)(free >> 20));
        problems_.push_back(text);
    }
}

uint32_t MoviePreflight::FrameCount() const {
    const uint32_t all = MovieFrameCount(objects_, properties_.fps);
    if (begin_ == 0 || properties_.fps == 0) return all;
    const uint64_t last = uint64_t(end_) * properties_.fps / 1000 + 1;
    const uint64_t first = uint64_t(begin_) * properties_.fps / 1000;
    return uint32_t(std::min<uint64_t>(all, last > first ? last - first : 0));
}

uint64_t MoviePreflight::SpaceNeeded() const {
    const uint32_t frames = FrameCount();
    uint64_t bytes = 0;
    if (frameFiles_ && frames > 0) {
        const std::vector<uint8_t> rgb = TestFrame(properties_.width, properties_.height);
        Sys::Buffer jpg;
        CG::JpegEncoder encoder;
        if (encoder.EncodeRGB(rgb.data(), properties_.width, properties_.height, true,
                              properties_.jpgQuality, jpg)) {
            bytes += uint64_t(double(frames) * double(jpg.size()) * 1.2);
        }
    }
    if (begin_ == 0 && properties_.fps > 0) {
        bytes += kWaveHeaderBytes + uint64_t(frames) * kSoundtrackBytesPerSecond / properties_.fps;
    }
    return bytes;
}
