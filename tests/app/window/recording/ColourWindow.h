#pragma once

// A window filled with one colour by the X server itself, titled, at a place on the screen;
// it stays until the object goes. Xlib stays in its own file: its macros clash with Qt's names.
class ColourWindow {
public:
    ColourWindow(const char* title, int x, int y, int width, int height, unsigned long rgb);
    ~ColourWindow();
    ColourWindow(const ColourWindow&) = delete;
    ColourWindow& operator=(const ColourWindow&) = delete;

    bool shown() const { return display_ != nullptr; }

private:
    void* display_ = nullptr;
};
