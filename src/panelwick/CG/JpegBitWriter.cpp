#include "panelwick/CG/JpegBitWriter.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "panelwick/Sys/Buffer.h"

namespace CG {

bool JpegBitWriter::Begin(Sys::Buffer& stream) {
    if (!staging_) staging_.reset(new (std::nothrow) uint8_t[kCapacity]);
    stream_ = &stream;
    state_ = {0, 0, staging_.get()};
    end_ = state_.next ? state_.next + kCapacity : nullptr;
    ok_ = state_.next != nullptr;
    return ok_;
}

void JpegBitWriter::PutBytes(const uint8_t* bytes, size_t count) {
    while (count > 0) {
        if (state_.next == end_ && !Drain()) return;
        const size_t piece = std::min(count, size_t(end_ - state_.next));
        std::memcpy(state_.next, bytes, piece);
        state_.next += piece;
        bytes += piece;
        count -= piece;
    }
}

void JpegBitWriter::PadWithOnes() {
    state_.Put(0x7F, 7);
    while (state_.count >= 8) {
        state_.count -= 8;
        state_.EmitByte(uint8_t(state_.bits >> state_.count));
    }
    state_.count = 0;
}

bool JpegBitWriter::Drain() {
    if (!ok_) return false;
    const size_t count = size_t(state_.next - staging_.get());
    if (count > 0 && stream_->Write(staging_.get(), count) == Sys::Buffer::kFailed) ok_ = false;
    state_.next = staging_.get();
    return ok_;
}

}  // namespace CG
