#pragma once

#include <string>

#include <QDialog>

#include "video/EncoderJob.h"

// "Please wait!": runs one encoder command line in a folder while the user waits, and ends by
// itself when the program has ended. It cannot be closed before.
class WorkingDlg : public QDialog {
    Q_OBJECT

public:
    WorkingDlg(std::string commandLine, std::string folder, QWidget* parent = nullptr);

    // "Error: " and the command line when the program could not be started, else empty.
    const std::string& result() const { return job_.result(); }

    // The notice the job posts when it ends: the application message with 100 and 100.
    static constexpr int kJobEnded = 100;

public slots:
    // Escape and the window's close button do nothing while the dialog runs.
    void reject() override {}

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    std::string commandLine_, folder_;
    bool started_ = false;
    EncoderJob job_;
};
