#pragma once

#include <string>

// What an outside file becomes when it is imported, by its extension in any case.
enum class MediaKind {
    Picture,  // jpg, jpeg, png, gif, bmp: an Image object
    Wave,     // wav: an Audio object
    Sound,    // mp3, ogg, flac, m4a: converted to WAVE, then an Audio object
    Video,    // mp4, avi, mkv, mov, webm: a frame folder, a Video object and its sound
    Other,    // not importable
};

MediaKind KindOfMedia(const std::string& path);
