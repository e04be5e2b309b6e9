#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "panelwick/Com/IDispatch.h"

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

// The source named in the exceptions the server raises.
inline constexpr char kExceptionSource[] = "CorelDRAW.Application";

// Keep the count of running applications (CorelDrawServer.h).
void ApplicationStarted();
void ApplicationQuit();

// The failure of a call on an object whose application has quit.
inline Com::HRESULT CheckRunning(const Session& session) {
    return session.quit ? Com::RPC_S_SERVER_UNAVAILABLE : Com::S_OK;
}

}  // namespace CorelDraw
