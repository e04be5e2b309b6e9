#pragma once

#include <atomic>
#include <cstdint>

#include "panelwick/CG/ImageRGBA.h"
#include "panelwick/Sys/FrameTimeTable.h"
#include "render/AnimationRates.h"

// The run-time state of one movie object, rebuilt before rendering and never stored: its
// picture (for a video the first picture, whose size sizes every picture of the video), its
// animation rates, a video's frame time table, and the size of the video picture the workers
// loaded last. Kept beside the project model, one per object, in the objects' order.
//
// Threads: PrepareObject fills it before rendering starts; while frames render, the workers
// only read it, except the video picture size, which each worker stores (all store the same
// values) with relaxed atomic writes.
struct PreparedObject {
    CG::ImageRGBA picture;
    AnimationRates rates;
    Sys::FrameTimeTable frameTimes;  // a video's video.bin
    std::atomic<uint32_t> videoWidth{0};
    std::atomic<uint32_t> videoHeight{0};

    PreparedObject() = default;
    PreparedObject(const PreparedObject& other) { *this = other; }
    PreparedObject& operator=(const PreparedObject& other) {
        picture = other.picture;
        rates = other.rates;
        frameTimes = other.frameTimes;
        videoWidth.store(other.videoWidth.load());
        videoHeight.store(other.videoHeight.load());
        return *this;
    }

    // Frees the picture and the frame time table.
    void Release() {
        picture.Clear();
        frameTimes.Clear();
    }
};
