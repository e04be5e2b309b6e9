#pragma once

#include <string>
#include <vector>

#include "project/IDocumentPrompt.h"

// Answers with preset replies and records every question and message.
class FakePrompt : public IDocumentPrompt {
public:
    Answer answer = Answer::No;
    bool yes = true;
    std::string newFileName;  // the answer to AskNewFileName
    std::vector<std::string> questions, errors;

    Answer AskYesNoCancel(const std::string& q) override {
        questions.push_back(q);
        return answer;
    }
    bool AskYesNo(const std::string& q) override {
        questions.push_back(q);
        return yes;
    }
    void ShowError(const std::string& m) override { errors.push_back(m); }
    std::string AskNewFileName() override {
        questions.push_back("new file name");
        return newFileName;
    }
};
