#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "panelwick/Mt/Task.h"
#include "panelwick/Mt/TaskResult.h"
#include "project/MovieObject.h"

class Document;

// Import: files from anywhere become objects of the project. Pictures become Image objects of
// a chosen duration, fitted to the frame; WAVE files Audio objects; other sound is converted to
// WAVE first; videos become a frame folder and a Video object, plus an Audio object of their
// sound. The files are placed one after another from the insertion time, in name order. Files
// that cannot be imported are refused with a message naming them; the others are imported.
// The run only brings files into the project folder and makes the objects; AddTo puts them
// into the document, so a worker thread may run the job while the window stays responsive.
class MediaImportJob {
public:
    static constexpr uint32_t kDefaultPictureMs = 5000;

    // `files` may name folders, which stand for the importable files inside them (only their
    // pictures when `picturesOnly`).
    void Plan(const std::string& projectFolder, const std::vector<std::string>& files, uint32_t at,
              uint32_t pictureMs = kDefaultPictureMs, bool picturesOnly = false);

    // A cancelled run deletes what it wrote and ends stopped, with no objects.
    Mt::TaskResult Run(Mt::Task& task);

    const std::vector<std::string>& files() const { return files_; }
    const std::vector<MovieObject>& objects() const { return objects_; }
    // The time after the last placed object.
    uint32_t end() const { return cursor_; }

    bool AnyRefused() const { return !refused_.empty(); }
    // "These files could not be added:", then for each refused file the reason and, on a line
    // of its own, the file.
    std::string RefusedMessage() const;

    // Deletes every file and folder the run wrote into the project folder.
    void Discard();

    // Appends the objects to the document after one undo point and selects them; nothing when
    // there are none.
    void AddTo(Document& document) const;

    // Folders replaced by their importable files; everything in name order (runs of digits
    // compared by value, so "photo 9" comes before "photo 10").
    static std::vector<std::string> Expand(const std::vector<std::string>& paths,
                                           bool picturesOnly);
    static bool NameOrder(const std::string& a, const std::string& b);

private:
    Mt::TaskResult ImportOne(const std::string& path, Mt::Task& task, double from, double to);
    Mt::TaskResult ImportPicture(const std::string& path, Mt::Task& task, double from, double to);
    Mt::TaskResult ImportWave(const std::string& path, Mt::Task& task, double from, double to);
    Mt::TaskResult ImportSound(const std::string& path, Mt::Task& task);
    Mt::TaskResult ImportVideo(const std::string& path, Mt::Task& task);
    // Converts the sound of a file to a new WAVE of the project named after `title`.
    Mt::TaskResult ConvertToWave(const std::string& path, const std::string& title, Mt::Task& task,
                                 std::string& wave, uint32_t& lengthMs);
    // The path to give the encoder: the file itself, or a link to it in the project folder
    // when its path holds a double quote (which the encoder's command line cannot carry).
    std::string EncoderPath(const std::string& path);
    Mt::TaskResult FindEncoder();
    void Created(const std::string& name) { created_.push_back(folder_ + "/" + name); }
    void RemoveLinks();
    // Deletes what the run wrote after its first `keep` files and folders.
    void DeleteCreated(size_t keep);

    std::string folder_, encoder_;
    std::vector<std::string> files_, refused_, created_, links_;
    std::vector<MovieObject> objects_;
    uint32_t at_ = 0, pictureMs_ = kDefaultPictureMs, cursor_ = 0;
};
