#pragma once

// What the audio dialogs remember between uses while the program runs (never stored).
struct AudioToolSettings {
    // Boost Bass: cut frequency 30..150 Hz, gain 1..20 dB.
    int bassFrequency = 100;
    int bassGain = 6;
    // Mix Audio Files: balance slider 1 (voice) .. 100 (music) and the two check boxes.
    int mixBalance = 50;
    bool mixLoop = false;
    bool mixAutoLevel = false;
    // Record Audio: the chosen devices and the check boxes.
    int recordInput = 0;
    int recordOutput = 0;
    bool monaural = false;
    bool muteRecorder = false;
    // The output device of the audio object editor and the cut tool.
    int playOutput = 0;
};
