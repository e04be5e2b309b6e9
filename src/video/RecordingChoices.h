#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// What the screen recording dialog offers and which entries it picks first.
namespace RecordingChoices {

// The movie heights offered, in this order.
inline constexpr std::array<int, 11> kMovieHeights = {90,  180, 240, 270,  360, 450,
                                                      480, 720, 900, 1080, 1440};

// "%dx%d" with the width height x 16 / 9 in whole numbers ("426x240"; 427 pixels are grabbed).
std::string MovieSizeText(int height);

// The input chosen first: the last window whose title (when shorter than 256 characters) agrees
// with "CORELDRAW" in upper case up to the end of the shorter one; without one the first
// window; -1 for an empty list. Titles are UTF-8.
int PreselectedInput(const std::vector<std::string>& titles);

// A video length as "%d:%02d" (minutes, seconds).
std::string LengthText(uint32_t milliseconds);

inline constexpr int kFirstQuality = 10;
inline constexpr int kLastQuality = 100;
inline constexpr int kInitialQuality = 85;
inline constexpr const char* kNewFolderName = "New screen recording";
inline constexpr const char* kCaption = "Screen Recording";

}  // namespace RecordingChoices
