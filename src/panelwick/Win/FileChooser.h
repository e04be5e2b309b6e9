#pragma once

#include <string>
#include <vector>

class QWidget;

namespace Win {

// The open and save file dialogs: a title, one or more filters ("MP4 video (*.mp4)", joined
// with ";;"), a default extension added to a typed name without one. Names match the filters
// whatever their case. An empty result means the user cancelled.
class FileChooser {
public:
    // An existing file.
    static std::string Open(QWidget* parent, const std::string& title, const std::string& filters,
                            const std::string& defaultExtension);
    // Any number of existing files; none when the user cancelled.
    static std::vector<std::string> OpenSeveral(QWidget* parent, const std::string& title,
                                                const std::string& filters);
    // A file to write; the user confirms replacing an existing one.
    static std::string Save(QWidget* parent, const std::string& title, const std::string& filters,
                            const std::string& defaultExtension);
};

}  // namespace Win
