#include "panelwick/Win/SignalView.h"

#include <algorithm>
#include <cstdlib>

#include <QPainter>

namespace Win {

SignalView::SignalView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SignalView::SetSignal(const uint8_t* data, int channels, int bitsPerSample, int frames) {
    const int sampleBytes = bitsPerSample == 8 ? 1 : 2;
    for (int c = 0; c < 2; ++c) samples_[c].assign(size_t(std::max(frames, 0)), 0);
    for (int f = 0; f < frames; ++f) {
        for (int c = 0; c < 2; ++c) {
            const uint8_t* p = data + (f * channels + std::min(c, channels - 1)) * sampleBytes;
            const int v =
                sampleBytes == 1 ? (int(p[0]) - 128) * 256 : int(int16_t(p[0] | p[1] << 8));
            samples_[c][size_t(f)] = v;
            largest_[c] = std::max(largest_[c], std::abs(v));
        }
    }
    update();
}

void SignalView::Clear() {
    for (int c = 0; c < 2; ++c) {
        samples_[c].clear();
        largest_[c] = 0;
    }
    update();
}

// Each pixel column draws the range of the samples that fall into it.
void SignalView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(20, 28, 36));
    const int lane = height() / 2;
    painter.setPen(QColor(60, 75, 90));
    painter.drawLine(0, lane, width(), lane);
    for (int c = 0; c < 2; ++c) {
        const int middle = c * lane + lane / 2;
        painter.setPen(QColor(60, 75, 90));
        painter.drawLine(0, middle, width(), middle);
        const std::vector<int>& s = samples_[c];
        if (s.empty() || width() <= 0) continue;
        const double scale = (lane / 2 - 1) / double(std::max(largest_[c], 1));
        painter.setPen(c == 0 ? QColor(90, 200, 120) : QColor(100, 170, 240));
        for (int x = 0; x < width(); ++x) {
            const size_t from = s.size() * size_t(x) / size_t(width());
            const size_t to = std::max(from + 1, s.size() * size_t(x + 1) / size_t(width()));
            const auto [low, high] = std::minmax_element(s.begin() + long(from),
                                                         s.begin() + long(std::min(to, s.size())));
            painter.drawLine(x, middle - int(*high * scale), x, middle - int(*low * scale));
        }
    }
}

}  // namespace Win
