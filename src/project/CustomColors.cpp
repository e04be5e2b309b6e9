#include "project/CustomColors.h"

#include <string>

#include "panelwick/Sys/FileSystem.h"

CustomColors::Table& CustomColors::Shared() {
    static Table table = [] {
        Table t;
        t.fill(0x00FFFFFF);
        return t;
    }();
    return table;
}

void CustomColors::Load(const std::filesystem::path& folder) {
    std::string bytes;
    if (!Sys::ReadWholeFile(folder / kFileName, bytes) || bytes.size() != 64) return;
    Table& table = Shared();
    for (size_t i = 0; i < table.size(); ++i) {
        const auto* b = reinterpret_cast<const uint8_t*>(bytes.data() + 4 * i);
        table[i] = uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) |
                   (uint32_t(b[3]) << 24);
    }
}

void CustomColors::Save(const std::filesystem::path& folder) {
    std::string bytes;
    for (uint32_t colour : Shared()) {
        for (int shift = 0; shift < 32; shift += 8) bytes += char((colour >> shift) & 0xFF);
    }
    (void)Sys::WriteWholeFile(folder / kFileName, bytes);
}
