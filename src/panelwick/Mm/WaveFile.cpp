#include "panelwick/Mm/WaveFile.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstring>

namespace Mm {
namespace {

static_assert(std::endian::native == std::endian::little, "samples are stored little-endian");

constexpr uint32_t FourCC(const char (&s)[5]) {
    return uint32_t(uint8_t(s[0])) | uint32_t(uint8_t(s[1])) << 8 | uint32_t(uint8_t(s[2])) << 16 |
           uint32_t(uint8_t(s[3])) << 24;
}

constexpr uint32_t kRiff = FourCC("RIFF");
constexpr uint32_t kWave = FourCC("WAVE");
constexpr uint32_t kFmt = FourCC("fmt ");
constexpr uint32_t kData = FourCC("data");
constexpr uint16_t kPcm = 1;

uint32_t U32(const uint8_t* p) {
    return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24;
}
uint16_t U16(const uint8_t* p) {
    return uint16_t(p[0] | p[1] << 8);
}
void PutU32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = uint8_t(v >> (8 * i));
}
void PutU16(uint8_t* p, uint16_t v) {
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}

// Reads until count bytes arrived, the file ends or an error occurs: the count read or -1.
int64_t ReadSome(Sys::File& file, void* buffer, size_t count) {
    auto* p = static_cast<uint8_t*>(buffer);
    size_t done = 0;
    while (done < count) {
        const size_t n = file.Read(p + done, count - done);
        if (n == Sys::File::kFailed) return done > 0 ? int64_t(done) : -1;
        if (n == 0) break;
        done += n;
    }
    return int64_t(done);
}

}  // namespace

void WaveFile::Reset() {
    bitsPerSample_ = 0;
    samplesPerSecond_ = 0;
    channels_ = 0;
    dataBytes_ = 0;
    position_ = 0;
    dataEnd_ = 0;
}

bool WaveFile::ReadAt(uint64_t offset, void* buffer, size_t count) {
    if (!file_.Seek(offset)) return false;
    const int64_t n = ReadSome(file_, buffer, count);
    position_ = offset + uint64_t(std::max<int64_t>(n, 0));
    return n == int64_t(count);
}

// Walks the chunks of [begin, end) and stops at the first one with the identifier.
bool WaveFile::FindChunk(uint32_t id, uint64_t begin, uint64_t end, Chunk& chunk) {
    uint64_t pos = begin;
    while (pos + 8 <= end) {
        uint8_t header[8];
        if (!ReadAt(pos, header, 8)) return false;
        const uint32_t size = U32(header + 4);
        if (U32(header) == id) {
            chunk = Chunk{id, size, 0, pos + 8, 0};
            return true;
        }
        pos += 8 + uint64_t(size) + (size & 1);
    }
    return false;
}

// Finds the top-level RIFF chunk of form type "WAVE", skipping other top-level chunks.
bool WaveFile::FindWaveForm(uint64_t fileSize) {
    uint64_t pos = 0;
    while (pos + 12 <= fileSize) {
        uint8_t header[12];
        if (!ReadAt(pos, header, 12)) return false;
        const uint32_t size = U32(header + 4);
        if (U32(header) == kRiff && U32(header + 8) == kWave) {
            riff_ = Chunk{kRiff, size, kWave, pos + 8, 0};
            return true;
        }
        pos += 8 + uint64_t(size) + (size & 1);
    }
    return false;
}

Sys::Result WaveFile::OpenForReading(const std::filesystem::path& path) {
    (void)Close();
    writing_ = false;
    if (!file_.Open(path, Sys::File::Mode::Read)) {
        return "WaveFile::OpenForReading - the file cannot be open";
    }
    const int64_t fileSize = file_.Size();
    auto fail = [this](const char* message) {
        file_.Close();
        Reset();
        return Sys::Result(message);
    };
    if (fileSize < 0 || !FindWaveForm(uint64_t(fileSize))) {
        return fail("WaveFile::OpenForReading - Cannot locate WAVE chunk");
    }
    // The form's chunks lie after its type, up to its stated end or the end of the file.
    const uint64_t formBegin = riff_.dataOffset + 4;
    const uint64_t formEnd = std::min<uint64_t>(riff_.dataOffset + riff_.size, uint64_t(fileSize));
    Chunk format;
    if (!FindChunk(kFmt, formBegin, formEnd, format)) {
        return fail("WaveFile::OpenForReading - Cannot find fmt chunk");
    }
    uint8_t record[16];
    if (format.size < sizeof record || !ReadAt(format.dataOffset, record, sizeof record)) {
        return fail("WaveFile::OpenForReading - Cannot read WAVEFORMAT");
    }
    if (U16(record) != kPcm) return fail("WaveFile::OpenForReading - Format is not supported");
    const uint64_t formatEnd = format.dataOffset + format.size + (format.size & 1);
    if (!file_.Seek(formatEnd)) {
        return fail("WaveFile::OpenForReading - Cannot ascend out of the format subchunk");
    }
    channels_ = U16(record + 2);
    samplesPerSecond_ = U32(record + 4);
    bitsPerSample_ = U16(record + 14);
    if (!FindChunk(kData, formBegin, formEnd, data_)) {
        return fail("WaveFile::OpenForReading - The file is corrupted");
    }
    const uint64_t available =
        uint64_t(fileSize) > data_.dataOffset ? uint64_t(fileSize) - data_.dataOffset : 0;
    dataBytes_ = uint32_t(std::min<uint64_t>(data_.size, available));
    if (dataBytes_ == 0) return fail("WaveFile::OpenForReading - The file is empty");
    dataEnd_ = data_.dataOffset + dataBytes_;
    if (!file_.Seek(data_.dataOffset))
        return fail("WaveFile::OpenForReading - The file is corrupted");
    position_ = data_.dataOffset;
    return {};
}

Sys::Result WaveFile::OpenForWritting(uint32_t samplesPerSecond, uint16_t channels,
                                      uint16_t bitsPerSample, const std::filesystem::path& path) {
    (void)Close();
    writing_ = true;
    if (!file_.Open(path, Sys::File::Mode::CreateAlways)) {
        return "WaveFile::OpenForWritting - Unable to write file";
    }
    uint8_t riff[12];
    PutU32(riff, kRiff);
    PutU32(riff + 4, 0);
    PutU32(riff + 8, kWave);
    if (!file_.WriteAll(riff, sizeof riff)) {
        return "WaveFile::OpenForWritting - Unable to create RIFF WAVE chunk";
    }
    riff_ = Chunk{kRiff, 0, kWave, 8, 0};
    uint8_t formatHeader[8];
    PutU32(formatHeader, kFmt);
    PutU32(formatHeader + 4, 16);
    if (!file_.WriteAll(formatHeader, sizeof formatHeader)) {
        return "WaveFile::OpenForWritting - Unable to write fmt chunk";
    }
    const uint16_t blockAlign = uint16_t(uint32_t(channels) * bitsPerSample / 8);
    uint8_t record[16];
    PutU16(record, kPcm);
    PutU16(record + 2, channels);
    PutU32(record + 4, samplesPerSecond);
    PutU32(record + 8, samplesPerSecond * uint32_t(channels) * bitsPerSample / 8);
    PutU16(record + 12, blockAlign);
    PutU16(record + 14, bitsPerSample);
    if (!file_.WriteAll(record, sizeof record)) {
        return "WaveFile::OpenForWritting - Unable to write PCMWAVEFORMAT";
    }
    if (!file_.Seek(36))
        return "WaveFile::OpenForWritting - Cannot ascend out fo the format subchunk";
    uint8_t dataHeader[8];
    PutU32(dataHeader, kData);
    PutU32(dataHeader + 4, 0);
    if (!file_.WriteAll(dataHeader, sizeof dataHeader)) {
        return "WaveFile::OpenForWritting - Cannot create data subchunk";
    }
    data_ = Chunk{kData, 0, 0, 44, 0};
    position_ = 44;
    samplesPerSecond_ = samplesPerSecond;
    channels_ = channels;
    bitsPerSample_ = bitsPerSample;
    dataBytes_ = 0;
    return {};
}

// Leaves the data chunk (pad byte, data size), then the RIFF chunk (RIFF size).
Sys::Result WaveFile::FinishWriting() {
    const uint64_t dataSize = position_ > data_.dataOffset ? position_ - data_.dataOffset : 0;
    const uint8_t pad = 0;
    uint8_t size[4];
    PutU32(size, uint32_t(dataSize));
    if (((dataSize & 1) && !file_.WriteAll(&pad, 1)) || !file_.Seek(data_.dataOffset - 4) ||
        !file_.WriteAll(size, 4)) {
        return "WaveFile::Close - Cannot ascend out of the data subchunk";
    }
    data_.size = uint32_t(dataSize);
    const uint64_t end = data_.dataOffset + dataSize + (dataSize & 1);
    PutU32(size, uint32_t(end - 8));
    if (!file_.Seek(4) || !file_.WriteAll(size, 4)) {
        return "WaveFile::Close - Cannot ascend out of the WAVE subchunk";
    }
    riff_.size = uint32_t(end - 8);
    return {};
}

Sys::Result WaveFile::Close() {
    if (!file_.IsOpen()) {
        Reset();
        return {};
    }
    Sys::Result result;
    if (writing_) result = FinishWriting();
    file_.Close();
    Reset();
    return result;
}

int32_t WaveFile::Read(void* buffer, int32_t count) {
    if (!file_.IsOpen() || count < 0) return -1;
    const uint64_t left = dataEnd_ > position_ ? dataEnd_ - position_ : 0;
    const int64_t n = ReadSome(file_, buffer, size_t(std::min<uint64_t>(uint64_t(count), left)));
    if (n > 0) position_ += uint64_t(n);
    return int32_t(n);
}

int32_t WaveFile::Write(const void* bytes, int32_t count) {
    if (!file_.IsOpen() || count < 0) return -1;
    const auto* p = static_cast<const uint8_t*>(bytes);
    int32_t done = 0;
    while (done < count) {
        const size_t n = file_.Write(p + done, size_t(count - done));
        if (n == Sys::File::kFailed || n == 0) break;
        done += int32_t(n);
    }
    position_ += uint64_t(done);
    return done > 0 || count == 0 ? done : -1;
}

bool WaveFile::SeekSample(uint64_t offset) {
    if (!file_.IsOpen() || !file_.Seek(data_.dataOffset + offset)) return false;
    position_ = data_.dataOffset + offset;
    return true;
}

int32_t WaveFile::ReadLooping(void* buffer, int32_t count) {
    const int32_t first = Read(buffer, count);
    if (first <= 0) {
        if (!SeekSample(0)) return first;
        return Read(buffer, count);
    }
    if (first == count || !SeekSample(0)) return first;
    const int32_t rest = Read(static_cast<uint8_t*>(buffer) + first, count - first);
    return first + std::max(rest, 0);
}

Sys::Result WaveFile::GetDuration(const std::filesystem::path& path, double& seconds) {
    WaveFile file;
    Sys::Result result = file.OpenForReading(path);
    if (result.ok()) {
        const double perSecond =
            double(file.samplesPerSecond_) * file.bitsPerSample_ * file.channels_;
        seconds = perSecond > 0 ? double(file.dataBytes_) * 8 / perSecond : 0.0;
    }
    (void)file.Close();
    return result;
}

std::string WaveFile::DurationText(double seconds) {
    const double rounded = seconds + 0.5;
    const int s = rounded >= 2147483647.0 ? 2147483647 : rounded > 0 ? int(rounded) : 0;
    char text[40];
    std::snprintf(text, sizeof text, "Duration: %d:%02d", s / 60, s - 60 * (s / 60));
    return text;
}

}  // namespace Mm
