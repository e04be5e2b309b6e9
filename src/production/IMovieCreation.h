#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "production/IPipelineState.h"

class Document;

// A movie creation that runs on its own thread: the desktop program starts it, shows its
// state, may ask it to stop, and on its end notice waits for it and reads the error text.
class IMovieCreation : public IPipelineState {
public:
    // Called once from the pipeline thread after the stage went back to 0, on every ending
    // (success, failure or stop).
    using EndNotice = std::function<void()>;

    // Starts the pipeline on the document's project and returns at once. windowBegin and
    // windowEnd are 0 for the whole movie, else the milliseconds of the part to make. False
    // when it could not start (then no end notice comes).
    virtual bool Start(Document& document, uint32_t windowBegin, uint32_t windowEnd,
                       EndNotice onEnd) = 0;
    // Asks the running pipeline to stop at its next check; returns at once.
    virtual void RequestStop() = 0;
    // Waits until the pipeline thread has ended.
    virtual void Wait() = 0;
    // Empty on success; why the creation failed otherwise. Read only after Wait().
    virtual std::string ErrorText() const = 0;
};
