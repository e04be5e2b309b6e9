#pragma once

#include <string>

// The clipboard as the timeline uses it: one block of copied objects (a 32-bit count, then
// the records as the project file stores them) under the program's private format.
class IObjectClipboard {
public:
    virtual ~IObjectClipboard() = default;
    virtual bool Put(const std::string& block) = 0;
    // False when the clipboard holds no block of ours.
    virtual bool Get(std::string& block) = 0;
};
