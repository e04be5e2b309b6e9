#include "video/Mp4Length.h"

#include "panelwick/Sys/File.h"

namespace Mp4Length {
namespace {

// Top-level boxes looked at before a file counts as no movie; ours have four.
constexpr int kMostBoxes = 4096;

uint64_t BigEndian(const uint8_t* bytes, int count) {
    uint64_t value = 0;
    for (int i = 0; i < count; ++i) value = value << 8 | bytes[i];
    return value;
}

struct Box {
    uint64_t size = 0;    // header included
    uint64_t header = 8;  // 16 with a 64-bit size
    char type[4] = {};
};

// The box at `at`, which must lie within [at, end).
bool ReadBox(const ReadAt& read, uint64_t at, uint64_t end, Box& box) {
    uint8_t head[16];
    if (end - at < 8 || !read(at, head, 8)) return false;
    box.size = BigEndian(head, 4);
    box.header = 8;
    for (int i = 0; i < 4; ++i) box.type[i] = char(head[4 + i]);
    if (box.size == 1) {
        if (end - at < 16 || !read(at + 8, head + 8, 8)) return false;
        box.size = BigEndian(head + 8, 8);
        box.header = 16;
    } else if (box.size == 0) {
        box.size = end - at;  // to the end
    }
    return box.size >= box.header && box.size <= end - at;
}

bool Is(const Box& box, const char* type) {
    return box.type[0] == type[0] && box.type[1] == type[1] && box.type[2] == type[2] &&
           box.type[3] == type[3];
}

// Seconds from the movie header in the movie box's children, 0 without one.
double MovieHeaderSeconds(const ReadAt& read, uint64_t at, uint64_t end) {
    for (int n = 0; at < end && n < kMostBoxes; ++n) {
        Box box;
        if (!ReadBox(read, at, end, box)) return 0;
        if (Is(box, "mvhd")) {
            // version 0: 4-byte times, scale, 4-byte duration; version 1: 8-byte times and duration
            uint8_t body[32];
            const uint64_t length = box.size - box.header;
            if (length < 20 || !read(at + box.header, body, length < 32 ? size_t(length) : 32)) {
                return 0;
            }
            const bool wide = body[0] == 1;
            if (wide && length < 32) return 0;
            const uint64_t scale = BigEndian(body + (wide ? 20 : 12), 4);
            const uint64_t duration = BigEndian(body + (wide ? 24 : 16), wide ? 8 : 4);
            return scale == 0 ? 0 : double(duration) / double(scale);
        }
        at += box.size;
    }
    return 0;
}

}  // namespace

double Seconds(uint64_t fileSize, const ReadAt& read) {
    double seconds = 0;
    uint64_t at = 0;
    for (int n = 0; at < fileSize; ++n) {
        Box box;
        if (n == kMostBoxes || !ReadBox(read, at, fileSize, box)) return 0;
        if (Is(box, "moov") && seconds == 0) {
            seconds = MovieHeaderSeconds(read, at + box.header, at + box.size);
        }
        at += box.size;
    }
    return seconds;
}

double FileSeconds(const std::string& path) {
    Sys::File file;
    if (!file.Open(path, Sys::File::Mode::Read)) return 0;
    const int64_t size = file.Size();
    if (size <= 0) return 0;
    return Seconds(uint64_t(size), [&file](uint64_t offset, void* out, size_t count) {
        return file.Seek(offset) && file.ReadAll(out, count);
    });
}

}  // namespace Mp4Length
