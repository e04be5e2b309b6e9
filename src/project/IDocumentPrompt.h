#pragma once

#include <string>

// Questions and messages the project operations need from whoever drives them: the desktop
// program shows dialogs, the command-line program prints.
class IDocumentPrompt {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~IDocumentPrompt() = default;
    virtual Answer AskYesNoCancel(const std::string& question) = 0;
    virtual bool AskYesNo(const std::string& question) = 0;
    virtual void ShowError(const std::string& message) = 0;
    // A new project file name for a project that must not overwrite its own file; empty when
    // cancelled.
    virtual std::string AskNewFileName() { return {}; }
};
