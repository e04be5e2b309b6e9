#pragma once

#include <cstdint>

// The kind of a timeline element, stored as one byte in project files.
enum class MovieObjectType : uint8_t {
    Image = 0,
    Text = 1,
    Rectangle = 2,
    CorelDrawPage = 3,
    Audio = 4,
    Video = 5,
};

inline constexpr uint8_t kMovieObjectTypeCount = 6;

inline bool IsVisual(MovieObjectType type) { return type != MovieObjectType::Audio; }
