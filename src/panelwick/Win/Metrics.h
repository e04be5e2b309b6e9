#pragma once

// Sizes given in centimetres, turned into pixels at the screen's resolution.
namespace Win {

// The screen's vertical resolution in dots per inch, read once; 96 without a screen.
double ScreenDpi();
// trunc(cm x dpi / 2.54 + 0.5)
int CmToPixels(double cm, double dpi);
int CmToPixels(double cm);
// The entry of 16, 20, 24, 32, 40, 48, 64, 96, 128, 256 nearest to the given size (the smaller
// one on a tie).
int NearestIconSize(double pixels);

}  // namespace Win
