#pragma once

// What the user interface reads from a running movie creation, on its own thread, while the
// pipeline works: the stage, whether a new stage started since the last look, and how far the
// stage has come. Implementations guard the stage with a lock and keep the rest atomic.
class IPipelineState {
public:
    virtual ~IPipelineState() = default;
    // 0 while idle or after the end, 1 to 6 the running stage.
    virtual int CurrentStage() const = 0;
    // True once after each stage start: the flag is cleared by reading it, so the time-left
    // estimate restarts its clock exactly once per stage.
    virtual bool TakeStageRestart() = 0;
    // The part of the current stage done, 0 to 1.
    virtual double ProgressFraction() const = 0;
    // While frames stream to the encoder (stage 3 of a direct run), the part of them it has
    // encoded, 0 to 1: stage 5's work advancing with stage 3's. Below 0 otherwise.
    virtual double EncoderFraction() const { return -1.0; }
};
