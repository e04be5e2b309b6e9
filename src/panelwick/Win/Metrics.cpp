#include "panelwick/Win/Metrics.h"

#include <cmath>

#include <QGuiApplication>
#include <QScreen>

namespace Win {

double ScreenDpi() {
    static const double dpi = [] {
        const QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? screen->logicalDotsPerInchY() : 96.0;
    }();
    return dpi;
}

int CmToPixels(double cm, double dpi) {
    return static_cast<int>(cm * dpi / 2.54 + 0.5);
}

int CmToPixels(double cm) {
    return CmToPixels(cm, ScreenDpi());
}

int NearestIconSize(double pixels) {
    static constexpr int kSizes[] = {16, 20, 24, 32, 40, 48, 64, 96, 128, 256};
    int best = kSizes[0];
    for (int size : kSizes) {
        if (std::abs(size - pixels) < std::abs(best - pixels)) best = size;
    }
    return best;
}

}  // namespace Win
