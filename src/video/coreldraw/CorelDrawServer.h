#pragma once

#include <cstdint>

// The in-process drawing server: automation objects that open .cdr documents, make a page
// current and export it as a PNG picture. Clients reach it only through the automation layer,
// by its ProgID.
namespace CorelDraw {

inline constexpr char kProgId[] = "CorelDRAW.Application";

// Registers the server's application class under kProgId; registering again does nothing.
void RegisterServer();

// Application objects created and not yet told to "Quit".
int RunningApplications();

// The largest picture "Finish" writes, in pixels; a larger page fails with an exception.
void SetPixelLimit(uint64_t pixels);
uint64_t PixelLimit();

}  // namespace CorelDraw
