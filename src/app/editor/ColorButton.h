#pragma once

#include <cstdint>

#include <QPushButton>

// A button that shows a colour: its face filled with the colour (the usual button face while
// disabled), its text black or white, whichever reads better on the colour. A click opens the
// colour chooser; a colour chosen there is shown and announced by colorChosen.
class ColorButton : public QPushButton {
    Q_OBJECT

public:
    explicit ColorButton(const QString& text, QWidget* parent = nullptr);

    uint32_t color() const { return color_; }  // red in the lowest byte
    void SetColor(uint32_t color);

    // The colour chooser, fully open, solid colours only, with the process's 16 custom
    // colours, which it updates. False when cancelled.
    static bool ChooseColor(QWidget* parent, uint32_t& color);

signals:
    void colorChosen(uint32_t color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Choose();

    uint32_t color_ = 0;
};
