#include "editing/PropertiesForm.h"

#include <cstdio>

namespace {

std::vector<PropertiesForm::Item> Range(int first, int last, int step) {
    std::vector<PropertiesForm::Item> items;
    for (int v = first; v <= last; v += step) items.push_back({std::to_string(v), v});
    return items;
}

bool Selected(const std::vector<PropertiesForm::Item>& items, int index) {
    return index >= 0 && index < int(items.size());
}

}  // namespace

std::vector<PropertiesForm::Item> PropertiesForm::Sizes() {
    std::vector<Item> items;
    for (int height : {90, 180, 240, 270, 360, 450, 480, 720, 900, 1080, 1440}) {
        char text[32];
        std::snprintf(text, sizeof text, "%dx%d", height * 16 / 9, height);
        items.push_back({text, height});
    }
    return items;
}

std::vector<PropertiesForm::Item> PropertiesForm::MovieQualities() {
    return Range(5, 100, 5);
}

std::vector<PropertiesForm::Item> PropertiesForm::FramesPerSecond() {
    std::vector<Item> items = Range(kMinFps, kMaxFps, 1);
    items[23].text = "24 recommended";
    return items;
}

std::vector<PropertiesForm::Item> PropertiesForm::JpgQualities() {
    return Range(10, 100, 1);
}

int PropertiesForm::IndexOf(const std::vector<Item>& items, int value, int fallback) {
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i].value == value) return int(i);
    }
    return fallback;
}

PropertiesForm PropertiesForm::FromProperties(const MovieProperties& p) {
    PropertiesForm form;
    form.size = IndexOf(Sizes(), p.height, 7);
    form.movieQuality = IndexOf(MovieQualities(), p.movieQuality, -1);
    form.fps = IndexOf(FramesPerSecond(), p.fps, 23);
    form.jpgQuality = IndexOf(JpgQualities(), p.jpgQuality, -1);
    form.backColor = p.backColor;
    form.normalizeVolume = p.normalizeVolume;
    return form;
}

bool PropertiesForm::Apply(MovieProperties& p) const {
    const auto sizes = Sizes(), qualities = MovieQualities(), rates = FramesPerSecond(),
               jpg = JpgQualities();
    if (!Selected(sizes, size) || !Selected(qualities, movieQuality) ||
        !Selected(jpg, jpgQuality)) {
        return false;
    }
    p.height = uint16_t(sizes[size].value);
    p.width = uint16_t(p.height * 16 / 9);
    p.movieQuality = uint8_t(qualities[movieQuality].value);
    if (Selected(rates, fps)) p.fps = uint8_t(rates[fps].value);
    p.jpgQuality = uint8_t(jpg[jpgQuality].value);
    p.backColor = backColor;
    p.normalizeVolume = normalizeVolume;
    return true;
}
