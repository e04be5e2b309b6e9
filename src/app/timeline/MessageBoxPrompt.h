#pragma once

#include "project/IDocumentPrompt.h"

class QWidget;

// The project's questions and messages as message boxes over a window.
class MessageBoxPrompt : public IDocumentPrompt {
public:
    explicit MessageBoxPrompt(QWidget* owner) : owner_(owner) {}

    Answer AskYesNoCancel(const std::string& question) override;
    bool AskYesNo(const std::string& question) override;
    void ShowError(const std::string& message) override;
    // The save-file dialog; ".rwk" is added to a name without it.
    std::string AskNewFileName() override;

private:
    QWidget* owner_;
};
