#pragma once

#include <string>
#include <vector>

#include <QDialog>

#include "audio/ToolMessage.h"
#include "panelwick/Mt/Worker.h"

class QLineEdit;

// The frame of the audio dialogs: a fixed title, refusals shown as message boxes or balloons,
// and a busy state in which the working controls are disabled and the dialog cannot be closed
// (while a worker or a sound device still needs it).
class ToolDialog : public QDialog {
    Q_OBJECT

public:
    ToolDialog(QWidget* parent, const char* title);

    bool busy() const { return busy_; }
    // Refused while busy.
    void reject() override;

    // The open and save dialogs for one WAVE file; an empty path when cancelled.
    static std::string ChooseFile(QWidget* parent, const char* title, const char* filter,
                                  const std::string& start = {});
    static std::string ChooseOutputFile(QWidget* parent, const char* title, const char* filter);

protected:
    // The controls that a busy state disables.
    void SetWorkingControls(std::vector<QWidget*> controls) { controls_ = std::move(controls); }
    void SetBusy(bool busy);
    // A message box with its caption, or a balloon at `field`.
    void Refuse(const ToolMessage& message, QWidget* field = nullptr);
    // Runs the job on the worker thread, busy until its completion notice (carrying
    // `noticeValue` twice) arrives; then WorkerFinished runs on the window thread.
    void StartWorker(Mt::Worker::Body job, int noticeValue);
    // By default the dialog closes with OK after success and shows the failure under
    // `caption` otherwise.
    virtual void WorkerFinished(const std::string& error, const char* caption);
    void SetWorkerCaption(const char* caption) { workerCaption_ = caption; }

    bool event(QEvent* event) override;

    void closeEvent(QCloseEvent* event) override;

private:
    std::vector<QWidget*> controls_;
    bool busy_ = false;
    Mt::Worker worker_;
    int noticeValue_ = 0;
    const char* workerCaption_ = "Reelwork";
};

// Small helpers of the dialogs' code.
QString ToQ(const std::string& text);
std::string FromQ(const QString& text);
// A number typed into a box: 0 when it is none.
double NumberIn(const QLineEdit* box);
