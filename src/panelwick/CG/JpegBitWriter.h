#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace Sys {
class Buffer;
}

namespace CG {

// The entropy coder's output: codes are appended most significant bit first; every 0xFF byte
// of coded data is followed by a 0x00 byte. Bytes are staged in a block that is kept from
// picture to picture and copied to the stream when it runs low, so coding a picture allocates
// nothing after the first one.
class JpegBitWriter {
public:
    static constexpr size_t kCapacity = 65536;
    // More than one macroblock can produce, stuffing included.
    static constexpr size_t kRoomForMacroblock = 4096;

    // Starts a picture written to the stream; false when the staging block cannot be made.
    bool Begin(Sys::Buffer& stream);
    // Marker bytes, written as they are; only between pictures' coded data.
    void PutBytes(const uint8_t* bytes, size_t count);
    // The low `length` bits of `bits` (at most 32 - 5, with no bits set above them).
    void Put(uint32_t bits, int length) {
        bits_ = (bits_ << length) | bits;
        count_ += length;
        if (count_ >= 32) Emit32();
    }
    // Ensures room for one more macroblock; false once the stream has refused a write.
    bool MakeRoom() { return size_t(end_ - next_) >= kRoomForMacroblock ? ok_ : Drain(); }
    // Fills the last partial byte with one-bits; the bits that do not make a whole byte
    // are dropped.
    void PadWithOnes();
    // Copies the staged bytes to the stream; false once the stream has refused a write.
    bool Drain();

private:
    void Emit32();
    void EmitByte(uint8_t byte) {
        *next_++ = byte;
        if (byte == 0xFF) *next_++ = 0x00;
    }

    std::unique_ptr<uint8_t[]> staging_;
    uint8_t* next_ = nullptr;
    uint8_t* end_ = nullptr;
    uint64_t bits_ = 0;  // the pending bits are the low count_ bits
    int count_ = 0;
    Sys::Buffer* stream_ = nullptr;
    bool ok_ = false;
};

}  // namespace CG
