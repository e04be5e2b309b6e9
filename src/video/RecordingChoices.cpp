#include "video/RecordingChoices.h"

#include <cstdio>

#include "panelwick/Sys/Utf.h"

namespace RecordingChoices {

std::string MovieSizeText(int height) {
    char text[32];
    std::snprintf(text, sizeof text, "%dx%d", height * 16 / 9, height);
    return text;
}

int PreselectedInput(const std::vector<std::string>& titles) {
    static constexpr char16_t kName[] = u"CORELDRAW";
    int selected = titles.empty() ? -1 : 0;
    for (size_t i = 0; i < titles.size(); ++i) {
        const std::u16string title = Sys::ToUtf16(titles[i]);
        if (title.size() >= 256) continue;
        bool agrees = true;
        for (size_t k = 0; k < title.size() && kName[k] != 0 && agrees; ++k) {
            const char16_t c = title[k];
            agrees = (c >= u'a' && c <= u'z' ? char16_t(c - 32) : c) == kName[k];
        }
        if (agrees) selected = int(i);
    }
    return selected;
}

std::string LengthText(uint32_t milliseconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%d:%02d", int(milliseconds / 1000 / 60),
                  int(milliseconds / 1000 % 60));
    return text;
}

}  // namespace RecordingChoices
