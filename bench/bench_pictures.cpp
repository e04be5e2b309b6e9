// bench-links: panelwick_cg PkgConfig::TURBOJPEG PkgConfig::PNG
// The picture loader on 1920x1080 pictures: JPG and PNG beside a bare TurboJPEG / libpng decode
// of the same bytes into the same buffer (our overhead should stay within 10 %), and GIF in
// Mpixel/s beside ffmpeg decoding the same file.
#include <algorithm>
#include <chrono>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <png.h>
#include <turbojpeg.h>

#include "panelwick/CG/FileBytes.h"
#include "panelwick/CG/ImageRGBA.h"
#include "panelwick/CG/PictureLoader.h"

namespace {

constexpr int kWidth = 1920, kHeight = 1080;
constexpr int kRounds = 41;

double Seconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The best times of two pieces of work, run alternately after one warm-up each: the least
// disturbed run of each on a shared machine.
std::pair<double, double> Race(const std::function<void()>& ours,
                               const std::function<void()>& reference) {
    ours();
    reference();
    std::vector<double> a, b;
    for (int i = 0; i < kRounds; ++i) {
        a.push_back(Seconds(ours));
        b.push_back(Seconds(reference));
    }
    return {*std::min_element(a.begin(), a.end()), *std::min_element(b.begin(), b.end())};
}

void BareJpeg(std::span<const uint8_t> bytes, CG::ImageRGBA& image) {
    tjhandle handle = tjInitDecompress();
    int w, h, subsampling, colourSpace;
    tjDecompressHeader3(handle, bytes.data(), bytes.size(), &w, &h, &subsampling, &colourSpace);
    image.Resize(uint32_t(w), uint32_t(h));
    tjDecompress2(handle, bytes.data(), bytes.size(), image.pixels(), w, 0, h, TJPF_RGBA, 0);
    tjDestroy(handle);
}

struct Cursor {
    std::span<const uint8_t> bytes;
    size_t at = 0;
};

void ReadCursor(png_structp png, png_bytep out, size_t n) {
    auto* c = static_cast<Cursor*>(png_get_io_ptr(png));
    std::copy_n(c->bytes.data() + c->at, n, out);
    c->at += n;
}

void BarePng(std::span<const uint8_t> bytes, CG::ImageRGBA& image, std::vector<png_bytep>& rows) {
    Cursor cursor{bytes};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png)) == 0) {
        png_set_read_fn(png, &cursor, ReadCursor);
        png_read_info(png, info);
        png_set_filler(png, 0xFF, PNG_FILLER_AFTER);  // the file is 8-bit RGB
        png_read_update_info(png, info);
        const uint32_t h = png_get_image_height(png, info);
        image.Resize(png_get_image_width(png, info), h);
        rows.resize(h);
        for (uint32_t y = 0; y < h; ++y) rows[y] = image.Row(y);
        png_read_image(png, rows.data());
    }
    png_destroy_read_struct(&png, &info, nullptr);
}

void Report(const char* what, double ours, double reference, const char* referenceName) {
    std::printf("%-4s ours %7.2f ms   %-22s %7.2f ms   ratio %.3f (overhead %+.1f %%)\n", what,
                ours * 1e3, referenceName, reference * 1e3, ours / reference,
                (ours / reference - 1) * 100);
}

double ProcessSeconds(const std::string& command) {
    std::vector<double> times;
    for (int i = 0; i < 5; ++i) {
        times.push_back(Seconds([&] { (void)!std::system(command.c_str()); }));
    }
    return *std::min_element(times.begin(), times.end());
}

}  // namespace

int main() {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("bench-pictures-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const std::string jpg = (dir / "x.jpg").string(), png = (dir / "x.png").string(),
                      gif = (dir / "x.gif").string();
    // A test card with grain, closer to a photograph than the bare card.
    const std::string make = "ffmpeg -v error -y -f lavfi -i "
                             "testsrc2=s=1920x1080:d=0.04,noise=alls=10:allf=t "
                             "-frames:v 1 -q:v 2 " + jpg + " -frames:v 1 -pix_fmt rgb24 " + png +
                             " && ffmpeg -v error -y -i " + png +
                             " -vf \"split[a][b];[a]palettegen[p];[b][p]paletteuse\" " + gif;
    if (std::system(make.c_str()) != 0) {
        std::fprintf(stderr, "ffmpeg could not make the inputs\n");
        return 1;
    }
    std::printf("1920x1080 pictures: JPG %ju bytes, PNG %ju bytes, GIF %ju bytes\n",
                std::uintmax_t(std::filesystem::file_size(jpg)),
                std::uintmax_t(std::filesystem::file_size(png)),
                std::uintmax_t(std::filesystem::file_size(gif)));

    CG::ImageRGBA image;
    for (const auto& [name, path] : {std::pair{"JPG", jpg}, std::pair{"PNG", png}}) {
        CG::FileBytes file;  // the reference decodes bytes already in memory
        file.Read(path);
        std::vector<png_bytep> rows;
        const bool isJpg = path == jpg;
        auto [ours, reference] = Race(
            [&] { (void)CG::LoadPicture(image, path); },
            [&] { isJpg ? BareJpeg(file.bytes(), image) : BarePng(file.bytes(), image, rows); });
        Report(name, ours, reference, isJpg ? "bare tjDecompress2" : "bare png_read_image");
    }

    std::vector<double> times;
    (void)CG::LoadPicture(image, gif);
    for (int i = 0; i < kRounds; ++i) {
        times.push_back(Seconds([&] { (void)CG::LoadPicture(image, gif); }));
    }
    const double ours = *std::min_element(times.begin(), times.end());
    const double pixels = double(kWidth) * kHeight / 1e6;
    // ffmpeg as a whole process, and its cost per further frame when it reads the file 20 times.
    const double ffmpegOnce = ProcessSeconds("ffmpeg -v error -i " + gif + " -f null -");
    const double ffmpegTwenty =
        ProcessSeconds("ffmpeg -v error -stream_loop 19 -i " + gif + " -f null - 2>/dev/null");
    const double ffmpegFrame = std::max((ffmpegTwenty - ffmpegOnce) / 19, 1e-6);
    std::printf("GIF  ours %7.2f ms = %6.1f Mpixel/s (loader: read, LZW, RGBA)\n", ours * 1e3,
                pixels / ours);
    std::printf("     ffmpeg -i x.gif -f null -   %7.2f ms = %6.1f Mpixel/s (whole process)\n",
                ffmpegOnce * 1e3, pixels / ffmpegOnce);
    std::printf("     ffmpeg per further frame    %7.2f ms = %6.1f Mpixel/s (-stream_loop 19)\n",
                ffmpegFrame * 1e3, pixels / ffmpegFrame);
    std::printf("     speed ratio ours / ffmpeg: %.2f per frame, %.1f whole process\n",
                ffmpegFrame / ours, ffmpegOnce / ours);
    std::filesystem::remove_all(dir);
    return 0;
}
