#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "panelwick/Mm/Assistant.h"
#include "panelwick/Mm/AudioKernels.h"
#include "panelwick/Mm/AutoLevel.h"
#include "panelwick/Mm/SampleMix.h"
#include "panelwick/Mm/ShelfFilter.h"

using Mm::AutoLevel;
using Mm::ShelfFilter;

namespace {

// |H| of a normalised biquad at w radians per sample.
double Magnitude(const ShelfFilter& f, double w) {
    const double c1 = std::cos(w), s1 = std::sin(w), c2 = std::cos(2 * w), s2 = std::sin(2 * w);
    const double nr = f.b0() + f.b1() * c1 + f.b2() * c2, ni = -f.b1() * s1 - f.b2() * s2;
    const double dr = 1 + f.a1() * c1 + f.a2() * c2, di = -f.a1() * s1 - f.a2() * s2;
    return std::sqrt((nr * nr + ni * ni) / (dr * dr + di * di));
}

// Every kernel table this processor runs, the plain one first.
std::vector<const Mm::AudioKernels*> Tables() {
    std::vector<const Mm::AudioKernels*> tables = {&Mm::AudioKernels::Plain(),
                                                   &Mm::AudioKernels::Sse2()};
    if (Sys::CpuSupports(Sys::CpuLevel::Avx2)) tables.push_back(&Mm::AudioKernels::Avx2());
    return tables;
}

bool SameCoefficients(const ShelfFilter& a, const ShelfFilter& b) {
    return a.b0() == b.b0() && a.b1() == b.b1() && a.b2() == b.b2() && a.a1() == b.a1() &&
           a.a2() == b.a2();
}

}  // namespace

TEST(ShelfFilter, ShelvesHaveTheirGainsAndClampTheirParameters) {
    ShelfFilter plain, boosted, clamped, normalised;
    plain.DesignLowShelf(false, 0, 0.75, 120, 44100);
    EXPECT_TRUE(plain.IsPassThrough());
    EXPECT_EQ(plain.FilterLeft(1234.5), 1234.5);

    boosted.DesignLowShelf(false, 20, 0.75, 120, 44100);
    EXPECT_NEAR(Magnitude(boosted, 0), 10.0, 1e-9);  // +20 dB at DC
    EXPECT_NEAR(Magnitude(boosted, M_PI), 1.0, 1e-3);
    clamped.DesignLowShelf(false, 30, 0.75, 120, 44100);
    EXPECT_TRUE(SameCoefficients(boosted, clamped));
    boosted.DesignLowShelf(false, 6, 0.75, 29, 44100);
    clamped.DesignLowShelf(false, 6, 0.75, 10, 44100);
    EXPECT_TRUE(SameCoefficients(boosted, clamped));
    boosted.DesignLowShelf(false, 6, 0.9, 220, 44100);
    clamped.DesignLowShelf(false, 6, 3.0, 500, 44100);
    EXPECT_TRUE(SameCoefficients(boosted, clamped));

    // Normalised with a positive gain: unity below the corner, the highs cut instead.
    normalised.DesignLowShelf(true, 6, 0.75, 120, 44100);
    EXPECT_NEAR(Magnitude(normalised, 0), 1.0, 1e-9);
    EXPECT_NEAR(20 * std::log10(Magnitude(normalised, M_PI)), -6.0, 0.01);
    normalised.DesignLowShelf(true, -6, 0.75, 120, 44100);
    EXPECT_NEAR(20 * std::log10(Magnitude(normalised, 0)), -6.0, 1e-9);

    ShelfFilter treble, trebleClamped;
    treble.DesignHighShelf(-12, 15000);
    EXPECT_NEAR(20 * std::log10(Magnitude(treble, M_PI)), -12.0, 0.5);
    EXPECT_NEAR(Magnitude(treble, 0), 1.0, 1e-9);
    trebleClamped.DesignHighShelf(-40, 20000);
    treble.DesignHighShelf(-20, 15000);
    EXPECT_TRUE(SameCoefficients(treble, trebleClamped));
    treble.DesignHighShelf(0, 4000);
    EXPECT_TRUE(treble.IsPassThrough());
}

TEST(ShelfFilter, EveryKernelGivesTheSameBitsAsThePlainRule) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> sample(-40000.0, 40000.0);
    std::vector<double> frames(2 * 5000);
    for (double& v : frames) v = sample(random);
    for (const Mm::AudioKernels* table : Tables()) {
        for (bool normalised : {false, true}) {
            ShelfFilter reference, block;
            reference.DesignLowShelf(normalised, 9, 0.6, 80, 44100);
            block = reference;
            std::vector<double> expected = frames, blocked = frames;
            for (size_t f = 0; f < 5000; ++f) {
                expected[2 * f] = reference.FilterLeft(expected[2 * f]);
                expected[2 * f + 1] = reference.FilterRight(expected[2 * f + 1]);
            }
            // Blocks of any length carry the state on.
            block.FilterStereoFrames(blocked.data(), 1234, *table);
            block.FilterStereoFrames(blocked.data() + 2 * 1234, 0, *table);
            block.FilterStereoFrames(blocked.data() + 2 * 1234, 5000 - 1234, *table);
            EXPECT_EQ(std::memcmp(expected.data(), blocked.data(), expected.size() * 8), 0)
                << table->name;
            EXPECT_EQ(block.leftState().w1, reference.leftState().w1) << table->name;
            EXPECT_EQ(block.rightState().w2, reference.rightState().w2) << table->name;
        }
    }
}

TEST(AutoLevel, OutputLagsOneRingAndRisesAheadOfAPeak) {
    auto level = std::make_unique<AutoLevel>();
    EXPECT_DOUBLE_EQ(level->attackFactor(), std::pow(10.0, -20.0 / 882000));
    EXPECT_DOUBLE_EQ(level->releaseFactor(), std::pow(10.0, -2.0 / 882000));
    // A quiet 2000 for two rings, then 20000. Ahead of the loud frame the quiet frames are
    // scaled by a peak that falls 20 dB per second of distance from it.
    const int loudAt = 2 * AutoLevel::kLength;
    std::vector<double> out;
    for (int i = 0; i < loudAt + AutoLevel::kLength + 10; ++i) {
        const double in = i < loudAt ? 2000.0 : 20000.0;
        double l, r;
        level->Process(in, -in, l, r);
        EXPECT_EQ(l, -r);
        out.push_back(l);
    }
    for (int i = 0; i < AutoLevel::kLength; ++i) ASSERT_EQ(out[size_t(i)], 0.0);
    // The quiet part alone: raised to the target level.
    EXPECT_NEAR(out[AutoLevel::kLength + 100], 31743.0, 1.0);
    for (double seconds : {0.1, 0.3, 0.5}) {
        const int distance = int(seconds * 44100);
        const double expectedPeak = 20000.0 * std::pow(10.0, -20.0 * (distance - 1) / 882000);
        EXPECT_NEAR(out[size_t(loudAt - distance + AutoLevel::kLength)],
                    31743.0 * 2000.0 / std::max(expectedPeak, 2000.0), 2.0);
    }
    EXPECT_NEAR(out[size_t(loudAt + AutoLevel::kLength)], 31743.0, 1e-6);

    // Integer variant: below the minimum level the gain is 31743 / 1024 in integer arithmetic.
    AutoLevel integer;
    int32_t l = 0, r = 0;
    for (int i = 0; i < AutoLevel::kLength + 1; ++i) integer.Process(i == 0 ? 100 : 0, 0, l, r);
    EXPECT_EQ(l, 100 * 31743 / 1024);
}

TEST(AutoLevel, EnvelopeTrackingStartsAtHalfScale) {
    AutoLevel tracker;
    tracker.SetReleaseRate(-6.0);
    EXPECT_DOUBLE_EQ(tracker.releaseFactor(), std::pow(10.0, -6.0 / 882000));
    int32_t level = 0;
    for (int i = 0; i < AutoLevel::kLength; ++i)
        level = tracker.TrackEnvelope(i < 10 ? 5000 : 0, 0);
    EXPECT_EQ(level, 16383);
    EXPECT_EQ(tracker.TrackEnvelope(0, 0), 5000);  // the first frame, raised to the peak
}

TEST(AutoLevel, MusicWeightFollowsTheVoiceLevel) {
    EXPECT_EQ(Mm::Assistant::MusicWeight(0), 953);
    EXPECT_EQ(Mm::Assistant::MusicWeight(296), 501);
    EXPECT_EQ(Mm::Assistant::MusicWeight(1000), 31);
    EXPECT_EQ(Mm::Assistant::MusicWeight(32767), 31);
    for (int32_t level = 1; level <= 32767; ++level) {
        ASSERT_LE(Mm::Assistant::MusicWeight(level), Mm::Assistant::MusicWeight(level - 1));
    }
}

TEST(SampleMix, EveryKernelGivesTheSameSamplesAsThePlainRule) {
    std::mt19937 random(11);
    std::uniform_int_distribution<int> sample(-32768, 32767);
    const size_t count = 1003;  // leaves tails for every vector width
    std::vector<int16_t> a(count), b(count), plain(count), vector(count);
    for (size_t i = 0; i < count; ++i) {
        a[i] = int16_t(sample(random));
        b[i] = int16_t(sample(random));
    }
    a[0] = b[1] = -32768;
    a[1] = b[0] = 32767;
    for (const Mm::AudioKernels* table : Tables()) {
        for (int32_t divisor : {100, 1000}) {
            for (int32_t w = 0; w <= divisor; ++w) {
                Mm::MixSamplesPlain(a.data(), w, b.data(), divisor - w, divisor, plain.data(),
                                    count);
                table->mixSamples(a.data(), w, b.data(), divisor - w, divisor, vector.data(),
                                  count);
                ASSERT_EQ(plain, vector) << table->name << " " << w << "/" << divisor;
            }
        }
        // Weights that do not add up to the divisor wrap like the plain conversion.
        Mm::MixSamplesPlain(a.data(), 100, b.data(), 100, 100, plain.data(), count);
        table->mixSamples(a.data(), 100, b.data(), 100, 100, vector.data(), count);
        EXPECT_EQ(plain, vector) << table->name;
    }
}

// Without REELWORK_FORCE_SCALAR=1 the routines use the best table of the processor; with it
// (the _scalar test run) the plain rule.
TEST(AudioKernels, TheActiveTableFollowsTheChosenCpuLevel) {
    const char* forced = std::getenv("REELWORK_FORCE_SCALAR");
    const bool plain = forced != nullptr && std::string(forced) == "1";
    EXPECT_EQ(Sys::ChosenCpuLevel() == Sys::CpuLevel::Plain,
              plain || !Sys::CpuSupports(Sys::CpuLevel::Sse2));
    EXPECT_EQ(&Mm::AudioKernels::Active(), &Mm::AudioKernels::For(Sys::ChosenCpuLevel()));
    EXPECT_EQ(Mm::AudioKernels::Active().blocks, !plain);
}
