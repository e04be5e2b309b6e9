#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

// Packed RGB pictures for the encoder's tests and benchmark.
namespace TestPictures {

// Every byte random.
inline std::vector<uint8_t> Noise(int width, int height, uint32_t seed) {
    std::mt19937 rng(seed);
    std::vector<uint8_t> rgb(size_t(width) * height * 3);
    for (uint8_t& b : rgb) b = uint8_t(rng());
    return rgb;
}

// Something like a photograph: smooth gradients, hard-edged shapes, fine texture and a little
// noise on every pixel.
inline std::vector<uint8_t> Natural(int width, int height, uint32_t seed) {
    std::mt19937 rng(seed);
    struct Disc {
        float x, y, radius;
        uint8_t r, g, b;
    };
    std::vector<Disc> discs(12);
    for (Disc& d : discs) {
        d = {float(rng() % 1000) / 1000 * width, float(rng() % 1000) / 1000 * height,
             float(8 + rng() % 120) * std::max(width, height) / 1280.0f, uint8_t(rng()),
             uint8_t(rng()), uint8_t(rng())};
    }
    std::vector<uint8_t> rgb(size_t(width) * height * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const float u = float(x) / width, v = float(y) / height;
            float c[3] = {40 + 150 * u + 30 * std::sin(y * 0.021f), 70 + 120 * v,
                          170 - 80 * u + 25 * std::cos(x * 0.013f + y * 0.008f)};
            for (const Disc& d : discs) {
                if (std::hypot(x - d.x, y - d.y) < d.radius) {
                    c[0] = d.r;
                    c[1] = d.g;
                    c[2] = d.b;
                }
            }
            if (v > 0.6f && u < 0.5f) {  // a field of fine texture
                const float t = 35 * std::sin(x * 0.9f) * std::sin(y * 1.3f);
                for (float& ch : c) ch += t;
            }
            uint8_t* p = &rgb[(size_t(y) * width + x) * 3];
            for (int i = 0; i < 3; ++i) {
                const int noisy = int(c[i]) + int(rng() % 9) - 4;
                p[i] = uint8_t(std::clamp(noisy, 0, 255));
            }
        }
    }
    return rgb;
}

}  // namespace TestPictures
