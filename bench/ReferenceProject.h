#pragma once
// The reference project of the benchmarks: 30 s at 1280 x 720 and 24 fps, three moving
// pictures (one rotating), a text, a bevelled rectangle and a sound (the sample looped by the
// encoder). Made in dir/Reference and saved.
#include <cstdio>
#include <filesystem>
#include <string>

#include "panelwick/Sys/Process.h"
#include "project/Document.h"

class ReferencePrompt : public IDocumentPrompt {
public:
    Answer AskYesNoCancel(const std::string&) override { return Answer::No; }
    bool AskYesNo(const std::string&) override { return true; }
    void ShowError(const std::string& m) override { std::fprintf(stderr, "%s\n", m.c_str()); }
};

inline MovieObject ReferencePicture(uint32_t begin, uint32_t end, int32_t x0, int32_t x1,
                                    int32_t rotZ) {
    MovieObject o;
    o.fileName = u"sample.jpg";
    o.begin = begin;
    o.end = end;
    o.beginState.x = x0;
    o.endState.x = x1;
    o.beginState.y = o.endState.y = 4500000;
    o.beginState.sizeX = o.beginState.sizeY = o.endState.sizeX = o.endState.sizeY = 15000;
    o.endState.rotZ = rotZ;
    o.endState.saturation = 200;
    return o;
}

inline bool MakeReferenceProject(const std::filesystem::path& dir, Document& doc) {
    ReferencePrompt prompt;
    if (!doc.New((dir / "Reference").string(), prompt)) return false;
    doc.objects[0] = ReferencePicture(0, 30000, 14000000, 2000000, 0);
    doc.objects[1].end = 30000;
    doc.objects[1].fileName = u"long.wav";
    doc.objects.push_back(ReferencePicture(0, 30000, 2000000, 14000000, 0));
    doc.objects.push_back(ReferencePicture(5000, 30000, 8000000, 8000000, 7200000));
    MovieObject text;
    text.type = MovieObjectType::Text;
    text.fileName = u"Arial";
    text.text = u"Reference movie";
    text.end = 30000;
    text.beginState.x = text.endState.x = 8000000;
    text.beginState.y = 1000000;
    text.endState.y = 2000000;
    doc.objects.push_back(text);
    MovieObject bar;
    bar.type = MovieObjectType::Rectangle;
    bar.depth3D = 10;
    bar.end = 30000;
    bar.beginState.x = bar.endState.x = 8000000;
    bar.beginState.y = bar.endState.y = 7800000;
    bar.frontColor = 0x002040C0;
    doc.objects.push_back(bar);
    // 30 s of sound: the sample repeated.
    const std::string sample = doc.folder() + "/sample.wav";
    const std::string loop =
        "ffmpeg -v error -y -stream_loop 9 -i \"" + sample + "\" \"" + doc.folder() + "/long.wav\"";
    return Sys::Process::RunAndWait(loop, "") && doc.Save().ok();
}
