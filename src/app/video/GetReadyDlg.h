#pragma once

#include <QDialog>
#include <QTimer>

class QLabel;

// The countdown before a screen recording starts: five seconds, one step a second, then it
// ends by itself. It tells how the recording is stopped and cannot be closed.
class GetReadyDlg : public QDialog {
    Q_OBJECT

public:
    explicit GetReadyDlg(QWidget* parent = nullptr);

    // The large label: "Recording in . . .", then "Recording in %d sec".
    QString countdownText() const;

public slots:
    // Escape and the window's close button do nothing while the dialog runs.
    void reject() override {}

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Tick();

    QLabel* countdown_;
    QTimer timer_;
    int count_ = 5;
};
