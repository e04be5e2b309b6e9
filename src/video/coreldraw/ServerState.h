#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace CorelDraw {

// What every object of one application shares: after "Quit" none of them answers any more.
struct Session {
    bool quit = false;
};

// One open document: its pages as SVG texts and the page made current by "Activate".
struct Drawing {
    std::string path;
    std::vector<std::string> pages;
    size_t activePage = 0;
    bool closed = false;
};

// Keep the count of running applications (CorelDrawServer.h).
void ApplicationStarted();
void ApplicationQuit();

}  // namespace CorelDraw
