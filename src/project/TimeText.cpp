#include "project/TimeText.h"

#include <cstdio>

std::string TimeText(uint32_t beginMs, uint32_t endMs) {
    const double b = beginMs / 1000.0;
    const double e = endMs / 1000.0;
    const int bm = static_cast<int>(b) / 60;
    const int em = static_cast<int>(e) / 60;
    char text[96];
    std::snprintf(text, sizeof text, "%d:%04.1f - %d:%04.1f ", bm, b - 60 * bm, em, e - 60 * em);
    return text;
}
