#pragma once

#include <string>

#include "app/audio/ToolDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

// "Normalize Volume": levels one WAVE file into "<name>_norm.wav" beside it.
class NormVolDlg : public ToolDialog {
    Q_OBJECT

public:
    explicit NormVolDlg(QWidget* parent = nullptr);

    QLineEdit* inputBox() const { return input_; }
    QLabel* durationLabel() const { return duration_; }
    void SetInput(const std::string& path);
    void Normalize();

protected:
    void WorkerFinished(const std::string& error, const char* caption) override;

private:
    QLineEdit* input_;
    QPushButton *browse_, *normalize_;
    QLabel* duration_;
};
