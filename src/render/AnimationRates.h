#pragma once

// How an object changes per second between its begin and end states, worked out once when the
// object is prepared: pixels, scale, degrees and byte units per second.
struct AnimationRates {
    double velocityX = 0;
    double velocityY = 0;
    double sizeRateX = 0;
    double sizeRateY = 0;
    double rotationRateX = 0;
    double rotationRateY = 0;
    double rotationRateZ = 0;
    double transparencyRate = 0;
    double brightnessRate = 0;
    double contrastRate = 0;
    double saturationRate = 0;
};
