#include "panelwick/Mm/BoostBass.h"

#include <algorithm>
#include <vector>

#include "panelwick/Mm/OutputGuard.h"
#include "panelwick/Mm/ShelfFilter.h"
#include "panelwick/Mm/WaveFile.h"

namespace Mm {

Sys::Result BoostBass(const std::filesystem::path& in, const std::filesystem::path& out,
                      double frequency, double gainDb, Mt::Task& task) {
    WaveFile input, output;
    if (Sys::Result r = input.OpenForReading(in); r.failed()) return r;
    const int channels = input.channels();
    if (channels != 1 && channels != 2) {
        return "BoostBass the number of channels must be one or two";
    }
    if (Sys::Result r = output.OpenForWritting(input.samplesPerSecond(), input.channels(),
                                               input.bitsPerSample(), out);
        r.failed()) {
        return r;
    }
    OutputGuard guard(output, out);
    // One filter design, with its separate left and right state.
    ShelfFilter filter;
    filter.DesignLowShelf(true, gainDb, 0.75, frequency, 44100);
    constexpr int32_t kBlockBytes = 32768;
    std::vector<int16_t> block(kBlockBytes / 2);
    std::vector<double> values(kBlockBytes / 2);
    uint32_t remaining = input.dataBytes();
    while (remaining > 0) {
        if (task.Cancelled()) return Mt::kStoppedMessage;
        const int32_t got =
            input.Read(block.data(), int32_t(std::min<uint32_t>(kBlockBytes, remaining)));
        if (got <= 0) break;
        remaining -= uint32_t(got);
        const size_t frames = size_t(got) / size_t(2 * channels);
        const size_t samples = frames * size_t(channels);
        for (size_t i = 0; i < samples; ++i) values[i] = block[i];
        if (channels == 2) {
            filter.FilterStereoFrames(values.data(), frames);
        } else {
            for (size_t i = 0; i < samples; ++i) values[i] = filter.FilterLeft(values[i]);
        }
        for (size_t i = 0; i < samples; ++i) {
            block[i] = int16_t(int32_t(std::clamp(values[i], -32767.0, 32767.0)));
        }
        (void)output.Write(block.data(), got);
        task.SetProgress(1.0 - double(remaining) / input.dataBytes());
    }
    return guard.Finish();
}

}  // namespace Mm
