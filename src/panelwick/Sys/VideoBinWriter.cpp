#include "panelwick/Sys/VideoBinWriter.h"

namespace Sys {

Result VideoBinWriter::Create(const std::string& frameFolder) {
    if (!file_.Open(frameFolder + "/video.bin", File::Mode::CreateAlways)) {
        return "Out to create file video.bin";
    }
    return {};
}

bool VideoBinWriter::Append(uint32_t milliseconds) {
    const uint8_t b[4] = {uint8_t(milliseconds), uint8_t(milliseconds >> 8),
                          uint8_t(milliseconds >> 16), uint8_t(milliseconds >> 24)};
    return file_.IsOpen() && file_.WriteAll(b, 4);
}

uint32_t VideoBinWriter::ElapsedMilliseconds(int64_t counts, int64_t frequency) {
    const double seconds = double(counts) / double(frequency);
    return uint32_t(int64_t(seconds * 1000.0));
}

}  // namespace Sys
