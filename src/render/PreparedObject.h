#pragma once

#include "panelwick/CG/ImageRGBA.h"
#include "panelwick/Sys/FrameTimeTable.h"
#include "render/AnimationRates.h"

// The run-time state of one movie object, rebuilt before rendering and never stored: its
// picture (for a video the first picture, whose size sizes every picture of the video), its
// animation rates and a video's frame time table. Kept beside the project model, one per
// object, in the objects' order.
//
// Threads: PrepareObject fills it before rendering starts; while frames render, the workers
// only read it (a video's picture for the frame goes into each worker's own memory).
struct PreparedObject {
    CG::ImageRGBA picture;
    AnimationRates rates;
    Sys::FrameTimeTable frameTimes;  // a video's video.bin

    // Frees the picture and the frame time table.
    void Release() {
        picture.Clear();
        frameTimes.Clear();
    }
};
