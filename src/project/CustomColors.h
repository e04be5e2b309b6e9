#pragma once

#include <array>
#include <cstdint>
#include <filesystem>

// The 16 custom colours of the colour choosers: one table for the whole process, stored as
// customColor.bin (64 bytes, no header) in the project folder.
class CustomColors {
public:
    using Table = std::array<uint32_t, 16>;

    static Table& Shared();

    // Reads the file into the table only when it is exactly 64 bytes long.
    static void Load(const std::filesystem::path& folder);
    // Failures are ignored.
    static void Save(const std::filesystem::path& folder);

    static constexpr const char* kFileName = "customColor.bin";
};
