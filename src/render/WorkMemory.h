#pragma once

#include "panelwick/CG/DIBitmap.h"
#include "panelwick/CG/ImageRGBA.h"
#include "panelwick/CG/JpegEncoder.h"

// One rendering worker's scratch memory, kept from frame to frame: the frame being composed
// (create it as a 24-bit top-down bitmap of the movie's size before the worker starts), the
// picture of a video object for the current frame, and the JPEG encoder with its buffers.
struct WorkMemory {
    CG::DIBitmap frame;
    CG::ImageRGBA videoFrame;
    CG::JpegEncoder jpgImage;

    // A fresh frame of the movie's size, the video picture freed; false when the frame cannot
    // be allocated.
    bool Reset(int32_t width, int32_t height) {
        videoFrame.Clear();
        return frame.Create(24, 0, width, height, false);
    }
};
