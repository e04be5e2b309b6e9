#include "panelwick/CG/JpegBitWriter.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "panelwick/Sys/Buffer.h"

namespace CG {

bool JpegBitWriter::Begin(Sys::Buffer& stream) {
    if (!staging_) staging_.reset(new (std::nothrow) uint8_t[kCapacity]);
    stream_ = &stream;
    next_ = staging_.get();
    end_ = next_ ? next_ + kCapacity : nullptr;
    bits_ = 0;
    count_ = 0;
    ok_ = next_ != nullptr;
    return ok_;
}

void JpegBitWriter::PutBytes(const uint8_t* bytes, size_t count) {
    while (count > 0) {
        if (next_ == end_ && !Drain()) return;
        const size_t piece = std::min(count, size_t(end_ - next_));
        std::memcpy(next_, bytes, piece);
        next_ += piece;
        bytes += piece;
        count -= piece;
    }
}

// Writes the oldest 32 pending bits. Most words hold no 0xFF byte and go out whole.
void JpegBitWriter::Emit32() {
    count_ -= 32;
    const uint32_t word = uint32_t(bits_ >> count_);
    const bool hasFF = ((~word - 0x01010101u) & word & 0x80808080u) != 0;
    if (!hasFF) {
        const uint32_t bigEndian = __builtin_bswap32(word);
        std::memcpy(next_, &bigEndian, 4);
        next_ += 4;
        return;
    }
    for (int shift = 24; shift >= 0; shift -= 8) EmitByte(uint8_t(word >> shift));
}

void JpegBitWriter::PadWithOnes() {
    Put(0x7F, 7);
    while (count_ >= 8) {
        count_ -= 8;
        EmitByte(uint8_t(bits_ >> count_));
    }
    count_ = 0;
}

bool JpegBitWriter::Drain() {
    if (!ok_) return false;
    const size_t count = size_t(next_ - staging_.get());
    if (count > 0 && stream_->Write(staging_.get(), count) == Sys::Buffer::kFailed) ok_ = false;
    next_ = staging_.get();
    return ok_;
}

}  // namespace CG
