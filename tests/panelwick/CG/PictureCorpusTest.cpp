#include <algorithm>
#include <filesystem>
#include <map>
#include <regex>

#include <gtest/gtest.h>

#include "PictureFiles.h"
#include "panelwick/CG/ImageRGBA.h"
#include "panelwick/CG/PictureLoader.h"
#include "support/Corpus.h"

using namespace PictureFiles;
namespace fs = std::filesystem;

namespace {

struct Picture {
    uint32_t width = 0, height = 0;
    Bytes rgba;
    bool operator==(const Picture&) const = default;
};

Picture Load(const std::string& path, std::string* message = nullptr) {
    CG::ImageRGBA image;
    const Sys::Result result = CG::LoadPicture(image, path);
    if (message) *message = result.message();
    if (result.failed()) return {};
    return {image.width(), image.height(), Pixels(image)};
}

// The picture as it shows: the colour of a fully transparent pixel is not seen.
Picture Visible(Picture p) {
    for (size_t i = 0; i < p.rgba.size(); i += 4) {
        if (p.rgba[i + 3] == 0) p.rgba[i] = p.rgba[i + 1] = p.rgba[i + 2] = 0;
    }
    return p;
}

Bytes AlphaOf(const Picture& p) {
    Bytes alpha;
    for (size_t i = 3; i < p.rgba.size(); i += 4) alpha.push_back(p.rgba[i]);
    return alpha;
}

bool Translucent(const Picture& p) {
    const Bytes alpha = AlphaOf(p);
    return std::any_of(alpha.begin(), alpha.end(), [](uint8_t a) { return a != 255; });
}

// The suite's page names, per file ("g/pal8.bmp"), the reference pictures a correct decoder may
// produce: the images of the file's table row other than the file itself.
std::map<std::string, std::vector<std::string>> BmpReferences(const std::string& page) {
    const Bytes bytes = Read(page);
    const std::string html(bytes.begin(), bytes.end());
    const std::regex image("src=\"([^\"]+)\"");
    std::map<std::string, std::vector<std::string>> references;
    for (size_t row = html.find("<tr"); row != std::string::npos;) {
        const size_t next = html.find("<tr", row + 3);
        const std::string text = html.substr(row, next == std::string::npos ? next : next - row);
        std::string file;
        std::vector<std::string> pictures;
        for (std::sregex_iterator i(text.begin(), text.end(), image), end; i != end; ++i) {
            const std::string src = (*i)[1];
            src.starts_with("../") ? file = src.substr(3) : pictures.emplace_back(src);
        }
        if (!file.empty()) references[file] = pictures;
        row = next;
    }
    return references;
}

}  // namespace

// Every g/ file decodes exactly to a reference. A q/ file may be refused with a message; when
// every reference of a file has transparency, the file keeps its alpha exactly.
TEST(PictureCorpus, BmpSuiteDecodesToItsReferences) {
    const std::string page = CorpusFile("pictures/bmpsuite/reference/bmpsuite.html");
    if (page.empty()) GTEST_SKIP() << "the BMP suite is not in shared/corpora";
    const fs::path suite = fs::path(page).parent_path().parent_path();
    int good = 0, exact = 0, alphaFiles = 0, decoded = 0, refused = 0;
    for (const auto& [file, pictures] : BmpReferences(page)) {
        const bool questionable = file.starts_with("q/");
        if (!(questionable || file.starts_with("g/")) || !fs::exists(suite / file)) continue;
        SCOPED_TRACE(file);
        std::string message;
        const Picture loaded = Load(suite / file, &message);
        if (questionable) {
            loaded.rgba.empty() ? ++refused : ++decoded;
            EXPECT_TRUE(!loaded.rgba.empty() || !message.empty());
        } else {
            ++good;
        }
        bool matches = false, alphaMatches = false;
        int references = 0, translucent = 0;
        for (const std::string& reference : pictures) {
            const Picture expected = Load(suite / "reference" / reference);
            if (expected.rgba.empty()) continue;  // a JPG reference
            ++references;
            matches = matches || Visible(loaded) == Visible(expected);
            translucent += Translucent(expected);
            alphaMatches = alphaMatches || AlphaOf(loaded) == AlphaOf(expected);
        }
        exact += matches;
        EXPECT_TRUE(questionable || matches) << message;
        if (references > 0 && translucent == references) {
            ++alphaFiles;
            EXPECT_TRUE(alphaMatches) << message;
        }
    }
    EXPECT_EQ(good, 27);
    EXPECT_GE(alphaFiles, 11);
    std::printf(
        "BMP suite: %d of %d g/ and q/ files exact, %d alpha files, q/ %d decoded, %d "
        "refused\n",
        exact, good + decoded + refused, alphaFiles, decoded, refused);
}

// The first frame as composed on the logical screen, transparent where the image leaves it
// uncovered. The two still pictures are the first frames of two of the animations.
TEST(PictureCorpus, GifSuiteFirstFramesAreExact) {
    const std::string license = CorpusFile("pictures/gif-suite/LICENSE");
    if (license.empty()) GTEST_SKIP() << "the GIF suite is not in shared/corpora";
    const fs::path suite = fs::path(license).parent_path();
    const std::map<std::string, std::string> stills = {
        {"static_nontransparent", "animated_loop"},
        {"static_transparent", "animated_transparent_loop"}};
    int files = 0;
    for (const auto& entry : fs::directory_iterator(suite)) {
        if (entry.path().extension() != ".gif") continue;
        ++files;
        const std::string name = entry.path().stem();
        const std::string frame = stills.contains(name) ? stills.at(name) : name;
        std::string message;
        const Picture loaded = Load(entry.path(), &message);
        const Picture expected = Load(suite / "frames" / (frame + "-0.png"));
        ASSERT_FALSE(expected.rgba.empty()) << frame;
        EXPECT_TRUE(loaded == expected) << name << ": " << message;
    }
    EXPECT_EQ(files, 13);
}
