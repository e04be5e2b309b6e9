// bench-links: reelwork_production
// Memory of Create Movie against the number of pictures: 500 camera-sized pictures (4000 x
// 3000 JPG) shown one after another for 2 s each, 1280 x 720 at 24 fps, made on the direct
// path with a stand-in encoder that reads and drops the frames (the encoder's own memory is
// not ours). Pictures are prepared when their frames come up and released after their last,
// so the peak stays near that of a few pictures; holding all 500 at once would take 500 x 48 MB.
// Prints the peak resident memory (target: under 1 GB) and the time.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>

#include "panelwick/Sys/FileSystem.h"
#include "panelwick/Sys/Process.h"
#include "production/MoviePipeline.h"
#include "project/Document.h"

namespace fs = std::filesystem;

namespace {

constexpr int kPictures = 500;

class NoPrompt : public IDocumentPrompt {
public:
    Answer AskYesNoCancel(const std::string&) override { return Answer::No; }
    bool AskYesNo(const std::string&) override { return true; }
    void ShowError(const std::string& m) override { std::fprintf(stderr, "%s\n", m.c_str()); }
};

}  // namespace

int main() {
    const fs::path dir = fs::temp_directory_path() / "reelwork-bench-slideshow";
    fs::remove_all(dir);
    fs::create_directories(dir);
    Document doc;
    NoPrompt prompt;
    if (!doc.New((dir / "Slides").string(), prompt)) return 1;
    const std::string big = doc.folder() + "/big.jpg";
    if (!Sys::Process::RunAndWait("ffmpeg -v error -f lavfi -i testsrc2=size=4000x3000 "
                                  "-frames:v 1 -q:v 3 \"" +
                                      big + "\"",
                                  "") ||
        !fs::exists(big)) {
        return 1;
    }
    const MovieObject picture = doc.objects[0];
    doc.objects.clear();
    for (int i = 0; i < kPictures; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "p%03d.jpg", i);
        fs::create_hard_link(big, doc.folder() + "/" + name);
        MovieObject slide = picture;
        slide.fileName = std::u16string(name, name + std::char_traits<char>::length(name));
        slide.begin = uint32_t(i) * 2000;
        slide.end = slide.begin + 1999;
        doc.objects.push_back(slide);
    }
    Sys::WriteWholeFile(dir / "ffmpeg", "#!/bin/sh\ncat > /dev/null\nexit 1\n");
    chmod((dir / "ffmpeg").c_str(), 0755);
    const char* path = std::getenv("PATH");
    setenv("PATH", (dir.string() + ":" + (path ? path : "")).c_str(), 1);

    MoviePipeline pipeline;
    pipeline.SetDirect(true);
    const auto start = std::chrono::steady_clock::now();
    if (pipeline.Start(doc, 0, 0, {}).failed()) return 1;
    pipeline.Wait();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf(
        "Slideshow of %d pictures of 4000x3000, 2 s each (%d s at 1280x720, 24 fps), "
        "direct path\n",
        kPictures, 2 * kPictures);
    std::printf(
        "  peak memory                    %7.0f MB   (target < 1024; all pictures at "
        "once: %d MB)\n",
        usage.ru_maxrss / 1024.0, int(int64_t(kPictures) * 4000 * 3000 * 4 >> 20));
    std::printf("  time to the encoder's end      %7.1f s\n", seconds);
    fs::remove_all(dir);
    return 0;
}
