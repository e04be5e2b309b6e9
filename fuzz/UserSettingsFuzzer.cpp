// fuzz-links: reelwork_editing
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "editing/UserSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const UserSettings settings =
        UserSettings::Parse(std::string_view(reinterpret_cast<const char*>(data), size));
    (void)settings.Text();
    return 0;
}
