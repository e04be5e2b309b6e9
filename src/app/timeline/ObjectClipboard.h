#pragma once

#include <string>

#include "project/IObjectClipboard.h"

// Copied movie objects on the system clipboard, under a private type that only this program
// writes, so a paste accepts nothing that another program put there.
class ObjectClipboard : public IObjectClipboard {
public:
    static constexpr const char* kMimeType = "application/x-reelwork-objects";

    bool Put(const std::string& block) override;
    bool Get(std::string& block) override;
    // True when the clipboard holds a block of ours.
    static bool Available();
};
