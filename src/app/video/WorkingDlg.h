#pragma once

#include <QDialog>

#include "panelwick/Mt/Worker.h"

// "Please wait!": runs one job (an encoder run, mostly) on a worker while the user waits, and
// ends by itself when the job has ended. It cannot be closed before.
class WorkingDlg : public QDialog {
    Q_OBJECT

public:
    explicit WorkingDlg(Mt::Worker::Body job, QWidget* parent = nullptr);

    // How the job ended; read after the dialog ended.
    const Mt::TaskResult& result() const { return result_; }

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
    Mt::Worker::Body job_;
    bool started_ = false;
    Mt::Worker worker_;
    Mt::TaskResult result_;
};
