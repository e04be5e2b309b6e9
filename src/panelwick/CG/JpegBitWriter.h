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

    // The pending bits (the low `count` bits of `bits`) and the next staging byte. A hot loop
    // copies them into a local, where stores of coded bytes cannot be taken to change them,
    // and hands them back.
    struct State {
        uint64_t bits = 0;
        int count = 0;
        uint8_t* next = nullptr;

        // The low `length` bits of `code` (at most 32, with no bits set above them).
        void Put(uint32_t code, int length) {
            bits = (bits << length) | code;
            count += length;
            if (count >= 32) Emit32();
        }
        // Writes the oldest 32 pending bits; most words hold no 0xFF byte and go out whole.
        void Emit32() {
            count -= 32;
            const uint32_t word = uint32_t(bits >> count);
            if (((~word - 0x01010101u) & word & 0x80808080u) == 0) {
                const uint32_t bigEndian = __builtin_bswap32(word);
                __builtin_memcpy(next, &bigEndian, 4);
                next += 4;
                return;
            }
            for (int shift = 24; shift >= 0; shift -= 8) EmitByte(uint8_t(word >> shift));
        }
        void EmitByte(uint8_t byte) {
            *next++ = byte;
            if (byte == 0xFF) *next++ = 0x00;
        }
    };

    // Starts a picture written to the stream; false when the staging block cannot be made.
    bool Begin(Sys::Buffer& stream);
    // Marker bytes, written as they are; only between pictures' coded data.
    void PutBytes(const uint8_t* bytes, size_t count);
    void Put(uint32_t code, int length) { state_.Put(code, length); }
    State& state() { return state_; }
    // Ensures room for one more macroblock; false once the stream has refused a write.
    bool MakeRoom() {
        return size_t(end_ - state_.next) >= kRoomForMacroblock ? ok_ : Drain();
    }
    // Fills the last partial byte with one-bits; the bits that do not make a whole byte
    // are dropped.
    void PadWithOnes();
    // Copies the staged bytes to the stream; false once the stream has refused a write.
    bool Drain();

private:
    std::unique_ptr<uint8_t[]> staging_;
    State state_;
    uint8_t* end_ = nullptr;
    Sys::Buffer* stream_ = nullptr;
    bool ok_ = false;
};

}  // namespace CG
