#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "JpegFiles.h"
#include "JpegReference.h"
#include "TestPictures.h"
#include "panelwick/CG/JpegEncoder.h"
#include "panelwick/CG/JpegKernels.h"

// Every set of stages the encoder can run must give the reference's bytes exactly.
namespace {

std::vector<const CG::JpegKernels*> KernelSets() {
    std::vector<const CG::JpegKernels*> sets = {&CG::JpegKernels::Plain(),
                                                &CG::JpegKernels::Baseline()};
    if (CG::JpegKernels::ProcessorHasAvx2()) sets.push_back(&CG::JpegKernels::Avx2());
    return sets;
}

struct Picture {
    std::vector<uint8_t> rgb;
    int width, height;
};

void ExpectReferenceBytes(const std::vector<Picture>& pictures, const std::vector<int>& qualities,
                          bool colour = true) {
    JpegReference::Encoder reference;
    for (const CG::JpegKernels* kernels : KernelSets()) {
        CG::JpegEncoder encoder(*kernels);  // one encoder for all, as a rendering worker has
        for (const Picture& p : pictures) {
            for (int quality : qualities) {
                const auto expected =
                    reference.Encode(p.rgb.data(), p.width, p.height, colour, quality);
                ASSERT_FALSE(expected.empty());
                ASSERT_EQ(JpegFiles::Encode(encoder, p.rgb, p.width, p.height, quality, colour),
                          expected)
                    << kernels->name << ", " << p.width << " x " << p.height << ", quality "
                    << quality;
            }
        }
    }
}

std::vector<int> AllQualities() {
    std::vector<int> all;
    for (int q = 1; q <= 100; ++q) all.push_back(q);
    return all;
}

}  // namespace

TEST(JpegEncoderExact, EveryQualityGivesTheReferenceBytes) {
    ExpectReferenceBytes({{TestPictures::Natural(97, 83, 10), 97, 83},
                          {TestPictures::Noise(97, 83, 11), 97, 83}},
                         AllQualities());
}

TEST(JpegEncoderExact, OddSizesGiveTheReferenceBytes) {
    std::vector<Picture> pictures;
    for (auto [w, h] : {std::pair{1, 1}, {17, 9}, {16, 16}, {9, 17}, {33, 47}, {250, 3}}) {
        pictures.push_back({TestPictures::Natural(w, h, uint32_t(w * 100 + h)), w, h});
        pictures.push_back({TestPictures::Noise(w, h, uint32_t(w * 100 + h)), w, h});
    }
    ExpectReferenceBytes(pictures, {1, 37, 75, 90, 100});
}

TEST(JpegEncoderExact, LargePicturesGiveTheReferenceBytes) {
    ExpectReferenceBytes({{TestPictures::Natural(1281, 721, 12), 1281, 721},
                          {TestPictures::Natural(1280, 720, 13), 1280, 720}},
                         {90});
    ExpectReferenceBytes({{TestPictures::Noise(1281, 721, 14), 1281, 721}}, {100});
}

TEST(JpegEncoderExact, GreyPicturesGiveTheReferenceBytes) {
    ExpectReferenceBytes({{TestPictures::Natural(1, 1, 15), 1, 1},
                          {TestPictures::Natural(23, 17, 16), 23, 17},
                          {TestPictures::Noise(40, 8, 17), 40, 8}},
                         {1, 50, 90, 100}, false);
}
