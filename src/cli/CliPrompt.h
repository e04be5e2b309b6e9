#pragma once

#include <iostream>
#include <string>

#include "project/IDocumentPrompt.h"

// Answers the project operations' questions without asking (nothing unsaved ever needs a
// decision in a one-shot command) and prints their messages on standard error.
class CliPrompt : public IDocumentPrompt {
public:
    Answer AskYesNoCancel(const std::string&) override { return Answer::No; }
    bool AskYesNo(const std::string&) override { return true; }
    void ShowError(const std::string& message) override {
        std::cerr << message << '\n';
        failed_ = true;
    }
    bool failed() const { return failed_; }

private:
    bool failed_ = false;
};
