#include "panelwick/Mm/AppendWorker.h"

#include <algorithm>

#include "panelwick/Mm/OutputGuard.h"
#include "panelwick/Mm/WaveFile.h"

namespace Mm {

Sys::Result AppendWaveFiles(const std::vector<std::filesystem::path>& inputs,
                            const std::filesystem::path& output, Mt::Task& task) {
    if (inputs.empty()) return {};
    WaveFile out;
    {
        WaveFile first;
        if (Sys::Result r = first.OpenForReading(inputs.front()); r.failed()) return r;
        if (Sys::Result r = out.OpenForWritting(first.samplesPerSecond(), first.channels(),
                                                first.bitsPerSample(), output);
            r.failed()) {
            return r;
        }
    }
    OutputGuard guard(out, output);
    const size_t count = inputs.size();
    uint8_t block[8192];
    for (size_t done = 0; done < count; ++done) {
        if (task.Cancelled()) return Mt::kStoppedMessage;
        task.SetProgress(double(done * 100 / count) / 100.0);
        WaveFile input;
        if (Sys::Result r = input.OpenForReading(inputs[done]); r.failed()) return r;
        uint32_t remaining = input.dataBytes();
        while (remaining > 0) {
            const int32_t n =
                input.Read(block, int32_t(std::min<uint32_t>(sizeof block, remaining)));
            if (n <= 0) break;
            remaining -= uint32_t(n);
            (void)out.Write(block, n);
        }
    }
    task.SetProgress(1.0);
    return guard.Finish();
}

}  // namespace Mm
