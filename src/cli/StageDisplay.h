#pragma once

#include <cstdio>
#include <string>

#include "production/IPipelineState.h"
#include "production/TimeLeftText.h"

namespace Cli {

// Shows a running movie creation. On a terminal the six stages are redrawn in place once a
// second: "completed", the running stage's time-left text and a percentage bar, "pending".
// Otherwise one plain line is printed when a stage starts and at every tenth of it.
class StageDisplay {
public:
    explicit StageDisplay(IPipelineState& state, std::FILE* out = stdout);

    // On a terminal the display is redrawn about once a second; plain lines may be checked
    // more often, since they print only what changed.
    bool terminal() const { return terminal_; }
    // One refresh.
    void Refresh();
    // The last refresh, after the pipeline ended: every stage it reached is shown completed.
    void Finish(bool completed);

private:
    // encoder: the encoder's part done while it runs alongside the stage, below 0 otherwise.
    void DrawTerminal(int stage, double fraction, const std::string& status, double encoder);
    void PrintPlain(int stage, double fraction);

    IPipelineState& state_;
    std::FILE* out_;
    bool terminal_;
    bool drawn_ = false;  // the terminal shows the stage lines
    int lastStage_ = 0;
    int printedStage_ = 0, printedTenth_ = 0;
    TimeLeftText timeLeft_;
};

}  // namespace Cli
