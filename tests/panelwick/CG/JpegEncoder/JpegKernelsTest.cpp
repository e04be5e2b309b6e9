#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "panelwick/CG/JpegBitWriter.h"
#include "panelwick/CG/JpegEncoder.h"
#include "panelwick/CG/JpegHuffmanTable.h"
#include "panelwick/CG/JpegKernels.h"
#include "panelwick/CG/JpegTables.h"
#include "panelwick/Sys/Buffer.h"

// Each stage of every faster set against the plain stage, bit for bit, on many inputs: a
// one-ulp difference shows here long before it flips a byte of a whole picture.
namespace {

std::vector<const CG::JpegKernels*> FasterSets() {
    std::vector<const CG::JpegKernels*> sets = {&CG::JpegKernels::Baseline()};
    if (CG::JpegKernels::ProcessorHasAvx2()) sets.push_back(&CG::JpegKernels::Avx2());
    return sets;
}

const CG::JpegKernels& kPlain = CG::JpegKernels::Plain();

}  // namespace

TEST(JpegKernels, ColourConversionIsBitExact) {
    std::mt19937 rng(1);
    std::vector<uint8_t> pixels(20 * 16 * 3);
    for (const CG::JpegKernels* set : FasterSets()) {
        for (int round = 0; round < 3000; ++round) {
            for (uint8_t& b : pixels) b = uint8_t(round % 3 == 0 ? rng() : rng() % 4 + 126);
            const bool bgr = round % 2 == 1;
            const ptrdiff_t step = round % 4 < 2 ? 48 : 60;
            alignas(32) float a[6][64], b[6][64];
            kPlain.convertMacroblock(pixels.data(), step, bgr, a[0]);
            set->convertMacroblock(pixels.data(), step, bgr, b[0]);
            ASSERT_EQ(std::memcmp(a, b, sizeof a), 0) << set->name << " round " << round;
        }
    }
}

TEST(JpegKernels, ForwardDctAndQuantisationAreBitExact) {
    std::mt19937 rng(2);
    std::uniform_real_distribution<float> sample(-128.0f, 128.0f);
    for (const CG::JpegKernels* set : FasterSets()) {
        for (int round = 0; round < 3000; ++round) {
            alignas(32) float a[64], b[64];
            for (float& v : a) v = round % 5 == 0 ? float(int(sample(rng))) : sample(rng);
            std::memcpy(b, a, sizeof a);
            kPlain.forwardDct(a);
            set->forwardDct(b);
            ASSERT_EQ(std::memcmp(a, b, sizeof a), 0) << set->name << " round " << round;

            uint8_t table[64];
            alignas(32) float divisors[64];
            CG::JpegTables::ScaleQuantTable(CG::JpegTables::kLuminanceBase, round % 100 + 1, table);
            CG::JpegTables::ScaleDivisors(table, divisors);
            int16_t qa[64], qb[64];
            kPlain.quantize(a, divisors, qa);
            set->quantize(b, divisors, qb);
            ASSERT_EQ(std::memcmp(qa, qb, sizeof qa), 0) << set->name << " round " << round;
        }
    }
}

TEST(JpegKernels, QuantisationRoundsHalfAwayFromZero) {
    alignas(32) float block[64] = {2.5f, -2.5f, 0.4999999f, -0.4999999f, -0.0f,
                                   1.5f, -1.5f, 0.5f,       -0.5f,       7.49f};
    alignas(32) float ones[64];
    for (float& d : ones) d = 1.0f;
    const int16_t expected[10] = {3, -3, 0, 0, 0, 2, -2, 1, -1, 7};
    for (const CG::JpegKernels* set : FasterSets()) {
        int16_t natural[64], zigzag[64];
        set->quantize(block, ones, zigzag);
        for (int i = 0; i < 64; ++i) natural[CG::JpegTables::kZigzag[i]] = zigzag[i];
        for (int i = 0; i < 10; ++i) EXPECT_EQ(natural[i], expected[i]) << set->name << " " << i;
    }
}

TEST(JpegKernels, HuffmanCodingIsBitExact) {
    CG::JpegHuffmanTable dcTable, acTable;
    dcTable.Build(CG::JpegTables::kDcLuminance);
    acTable.Build(CG::JpegTables::kAcLuminance);
    std::mt19937 rng(3);
    for (const CG::JpegKernels* set : FasterSets()) {
        Sys::Buffer plainOut, fastOut;
        CG::JpegBitWriter plainWriter, fastWriter;
        ASSERT_TRUE(plainWriter.Begin(plainOut));
        ASSERT_TRUE(fastWriter.Begin(fastOut));
        int plainDc = 0, fastDc = 0;
        for (int round = 0; round < 5000; ++round) {
            int16_t block[64] = {};
            const int density = 1 + round % 64;  // from one coefficient to all of them
            for (int i = 0; i < 64; ++i) {
                if (int(rng() % 64) < density) block[i] = int16_t(int(rng() % 2047) - 1023);
            }
            if (round % 7 == 0) block[63] = 1;  // no EOB after position 63
            block[0] = int16_t(int(rng() % 2047) - 1023);
            ASSERT_TRUE(plainWriter.MakeRoom());
            ASSERT_TRUE(fastWriter.MakeRoom());
            kPlain.encodeBlock(block, plainDc, dcTable, acTable, plainWriter);
            set->encodeBlock(block, fastDc, dcTable, acTable, fastWriter);
        }
        plainWriter.PadWithOnes();
        fastWriter.PadWithOnes();
        ASSERT_TRUE(plainWriter.Drain());
        ASSERT_TRUE(fastWriter.Drain());
        ASSERT_EQ(plainOut.size(), fastOut.size()) << set->name;
        EXPECT_EQ(std::memcmp(plainOut.data(), fastOut.data(), plainOut.size()), 0) << set->name;
    }
}

// An encoder made without naming a set uses the set of the process's one CPU level: the plain
// set when REELWORK_FORCE_SCALAR=1 (the _scalar test run), else the fastest one.
TEST(JpegKernels, EncodersTakeTheSetOfTheChosenCpuLevel) {
    const char* forced = std::getenv("REELWORK_FORCE_SCALAR");
    const bool plain = forced != nullptr && std::string(forced) == "1";
    const CG::JpegKernels& expected = plain ? CG::JpegKernels::Plain()
                                      : CG::JpegKernels::ProcessorHasAvx2()
                                          ? CG::JpegKernels::Avx2()
                                          : CG::JpegKernels::Baseline();
    EXPECT_EQ(&CG::JpegKernels::Fastest(), &expected);
    EXPECT_EQ(&CG::JpegEncoder().kernels(), &expected);
}
