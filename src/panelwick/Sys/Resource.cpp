#include "panelwick/Sys/Resource.h"

// Each resource file is assembled into read-only data between a start and an end symbol.
#define REELWORK_EMBED(symbol, file)                                              \
    __asm__(".section .rodata\n.balign 16\n.global " #symbol "\n" #symbol ":\n"   \
            ".incbin \"" REELWORK_RESOURCE_DIR "/" file "\"\n.global " #symbol    \
            "_end\n" #symbol "_end:\n.byte 0\n.previous\n");                      \
    extern "C" const uint8_t symbol[];                                            \
    extern "C" const uint8_t symbol##_end[];

REELWORK_EMBED(reelwork_sample_jpg, "sample.jpg")
REELWORK_EMBED(reelwork_sample_wav, "sample.wav")
REELWORK_EMBED(reelwork_placeholder_bmp, "placeholder.bmp")

namespace Sys {

std::span<const uint8_t> FindResource(int id) {
    switch (id) {
        case 302: return {reelwork_sample_jpg, reelwork_sample_jpg_end};
        case 303: return {reelwork_sample_wav, reelwork_sample_wav_end};
        case 304: return {reelwork_placeholder_bmp, reelwork_placeholder_bmp_end};
        default: return {};
    }
}

}  // namespace Sys
