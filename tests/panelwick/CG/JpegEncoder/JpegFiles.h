#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

#include <turbojpeg.h>

#include "panelwick/CG/JpegEncoder.h"
#include "panelwick/Sys/Buffer.h"

// Helpers that take JPG files apart, and libjpeg-turbo as an outside judge.
namespace JpegFiles {

struct Segment {
    uint8_t marker;
    std::vector<uint8_t> body;  // after the two length bytes
};

struct Parts {
    std::vector<Segment> segments;  // SOI's body is empty; the last one is SOS
    std::vector<uint8_t> coded;     // between SOS and the last two bytes
    bool endsWithEoi = false;
};

inline Parts Split(const std::vector<uint8_t>& file) {
    Parts parts;
    size_t at = 2;
    if (file.size() < 4 || file[0] != 0xFF || file[1] != 0xD8) return parts;
    parts.segments.push_back({0xD8, {}});
    while (at + 4 <= file.size() && file[at] == 0xFF) {
        const size_t length = size_t(file[at + 2]) << 8 | file[at + 3];
        if (at + 2 + length > file.size()) break;
        parts.segments.push_back(
            {file[at + 1], {file.begin() + at + 4, file.begin() + at + 2 + length}});
        at += 2 + length;
        if (parts.segments.back().marker == 0xDA) break;
    }
    if (file.size() >= at + 2) {
        parts.coded.assign(file.begin() + at, file.end() - 2);
        parts.endsWithEoi = file[file.size() - 2] == 0xFF && file.back() == 0xD9;
    }
    return parts;
}

// The bodies of every segment with this marker, one after the other.
inline std::vector<uint8_t> Bodies(const Parts& parts, uint8_t marker) {
    std::vector<uint8_t> all;
    for (const Segment& s : parts.segments) {
        if (s.marker == marker) all.insert(all.end(), s.body.begin(), s.body.end());
    }
    return all;
}

inline std::vector<uint8_t> Encode(CG::JpegEncoder& encoder, const std::vector<uint8_t>& rgb,
                                   int width, int height, int quality, bool colour = true) {
    Sys::Buffer buffer;
    if (!encoder.EncodeRGB(rgb.data(), width, height, colour, quality, buffer)) return {};
    return {buffer.data(), buffer.data() + buffer.size()};
}

// Packed samples of a TJPF_ pixel format (RGB unless named) coded by libjpeg-turbo.
inline std::vector<uint8_t> TurboEncode(const std::vector<uint8_t>& rgb, int width, int height,
                                        int quality, int format = TJPF_RGB,
                                        int subsampling = TJSAMP_420) {
    tjhandle handle = tjInitCompress();
    unsigned char* jpeg = nullptr;
    unsigned long size = 0;
    std::vector<uint8_t> file;
    if (tjCompress2(handle, rgb.data(), width, 0, height, format, &jpeg, &size, subsampling,
                    quality, 0) == 0) {
        file.assign(jpeg, jpeg + size);
    }
    tjFree(jpeg);
    tjDestroy(handle);
    return file;
}

// Packed RGB, or nothing when libjpeg-turbo refuses the file or its size differs.
inline std::vector<uint8_t> TurboDecode(const std::vector<uint8_t>& file, int width, int height) {
    tjhandle handle = tjInitDecompress();
    int w = 0, h = 0, subsampling = 0, colourspace = 0;
    std::vector<uint8_t> rgb(size_t(width) * height * 3);
    const bool ok = tjDecompressHeader3(handle, file.data(), file.size(), &w, &h, &subsampling,
                                        &colourspace) == 0 &&
                    w == width && h == height &&
                    tjDecompress2(handle, file.data(), file.size(), rgb.data(), width, 0, height,
                                  TJPF_RGB, 0) == 0;
    tjDestroy(handle);
    return ok ? rgb : std::vector<uint8_t>{};
}

inline double Psnr(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
    double squares = 0;
    for (size_t i = 0; i < a.size(); ++i) squares += (double(a[i]) - b[i]) * (double(a[i]) - b[i]);
    return 10 * std::log10(255.0 * 255.0 / (squares / double(a.size())));
}

}  // namespace JpegFiles
