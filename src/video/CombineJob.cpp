#include "video/CombineJob.h"

#include <cstdio>

#include "panelwick/CG/ImageRGBA.h"
#include "panelwick/CG/PictureLoader.h"
#include "panelwick/Sys/FileSystem.h"
#include "project/Version.h"
#include "video/Encoder.h"
#include "video/EncoderRun.h"

Sys::Result CombineJob::Refuse(const char* caption, std::string message) {
    caption_ = caption;
    return message;
}

Sys::Result CombineJob::Build(const Settings& s, const std::string& encoderFolder) {
    commandLine_.clear();
    folder_.clear();
    caption_.clear();
    if (s.audioPath.empty()) return Refuse("Invalid path", "Please provide an audio file");
    if (s.videoPath.empty() || s.outputPath.empty()) {
        return Refuse("Invalid path", "Please provide a video file");
    }
    JpgSeries series;
    CG::ImageRGBA first;
    if (s.jpgSeries) {
        if (Sys::Result r = series.From(s.videoPath); r.failed()) {
            return Refuse("Invalid path", r.message());
        }
        if (Sys::Result r = CG::LoadPicture(first, series.Path(1)); r.failed()) {
            return Refuse("Invalid path", r.message());
        }
        if (first.width() == 0 || first.height() == 0) {
            return Refuse("Invalid path", "The image width and weight must be greater than zero");
        }
    }
    Sys::DeleteFile(s.outputPath);
    output_ = s.outputPath;
    std::string encoder = encoderFolder;
    if (encoder.empty() && !Encoder::Find(encoder)) return Refuse(kProgramName, Encoder::kNotFound);
    ComposeCommandLine(s, series, first, encoder);
    folder_ = encoder;
    return {};
}

void CombineJob::ComposeCommandLine(const Settings& s, const JpgSeries& series,
                                    const CG::ImageRGBA& first, const std::string& encoder) {
    const int crf = Encoder::ConstantRateFactor(s.quality);
    char middle[160];
    if (s.jpgSeries) {
        std::snprintf(middle, sizeof middle, "\" -f image2 -framerate %d -i \"", s.fps);
        char tail[160];
        std::snprintf(tail, sizeof tail, "\" -s %ux%u -crf %d -shortest \"", first.width(),
                      first.height(), crf);
        commandLine_ = "\"" + encoder + "/ffmpeg\" -i \"" + s.audioPath + middle + series.folder +
                       "/" + series.pattern + tail + s.outputPath + "\"";
    } else {
        std::snprintf(middle, sizeof middle, "\" -map 0:v -map 1:a -c copy -y -crf %d -shortest \"",
                      crf);
        commandLine_ = "\"" + encoder + "/ffmpeg\" -i \"" + s.videoPath + "\" -i \"" + s.audioPath +
                       middle + s.outputPath + "\"";
    }
}

Mt::TaskResult CombineJob::Run(Mt::Task& task) const {
    EncoderRun run;
    return run.RunToFile(commandLine_, folder_, output_, task);
}
