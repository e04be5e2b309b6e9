#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "panelwick/Mt/TaskResult.h"
#include "panelwick/Sys/Result.h"
#include "production/IPipelineState.h"

class Document;

// A movie creation that runs on its own thread: a front end starts it, shows its state, may
// ask it to stop, and on its end notice waits for it and reads the result.
class IMovieCreation : public IPipelineState {
public:
    // Called once from the pipeline thread after the stage went back to 0, on every ending
    // (success, failure or stop).
    using EndNotice = std::function<void()>;

    // Checks that the movie can be made, then starts the pipeline on a copy of the document's
    // project and returns at once. windowBegin and windowEnd are 0 for the whole movie, else
    // the milliseconds of the part to make. On a refusal nothing starts and no notice comes.
    virtual Sys::Result Start(const Document& document, uint32_t windowBegin, uint32_t windowEnd,
                              EndNotice onEnd) = 0;
    // Asks the running pipeline to stop at its next check; returns at once.
    virtual void RequestStop() = 0;
    // Waits until the pipeline thread has ended.
    virtual void Wait() = 0;
    // How the last run ended: done, failed (with the encoder's last lines as the detail when
    // it failed) or stopped. Read only after Wait().
    virtual Mt::TaskResult Result() const = 0;
    // Direct render for the following runs: frames are streamed to the encoder, no frame files.
    virtual void SetDirect(bool direct) { (void)direct; }
    // The indexes of the objects whose files made the last Start refuse, in list order.
    virtual std::vector<size_t> RefusedObjects() const { return {}; }
};
