#pragma once

#include <cstdint>

namespace CG {

class JpegBitWriter;

// The segments around the coded data of a baseline JFIF 1.01 file.
namespace JpegMarkers {

// SOI, APP0 (JFIF 1.01, no density units, 1 x 1, no thumbnail), DQT, SOF0, DHT and SOS.
// Colour pictures have three components, Y sampled 2 x 2 with table 0, Cb and Cr 1 x 1 with
// table 1; grey pictures have Y alone, 1 x 1. The tables are in zigzag order.
void WriteHeaders(JpegBitWriter& writer, int width, int height, bool colour,
                  const uint8_t* luminance, const uint8_t* chrominance);
// EOI.
void WriteEnd(JpegBitWriter& writer);

}  // namespace JpegMarkers
}  // namespace CG
