#pragma once

#include <QDialog>
#include <QTimer>

#include "panelwick/Mt/Worker.h"

class QProgressBar;
class QPushButton;

// "Add Media": runs an import on a worker while a bar shows how far it has got. Cancel (or
// Escape, or the close button) asks the import to stop; the dialog ends when the import has
// ended, so a stopped import has cleaned up before the window goes on.
class ImportDlg : public QDialog {
    Q_OBJECT

public:
    ImportDlg(Mt::Worker::Body job, int files, QWidget* parent = nullptr);

    const Mt::TaskResult& result() const { return result_; }

    static constexpr int kJobEnded = 101;

public slots:
    void reject() override;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    Mt::Worker::Body job_;
    bool started_ = false;
    Mt::Worker worker_;
    Mt::TaskResult result_;
    QProgressBar* bar_;
    QPushButton* cancel_;
    QTimer tick_;
};
