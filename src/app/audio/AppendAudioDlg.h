#pragma once

#include <string>
#include <vector>

#include "app/audio/ToolDialog.h"

class QLabel;
class QPushButton;
class QTreeWidget;

// "Append Audio": joins several WAVE files of one format, in the listed order, into one.
class AppendAudioDlg : public ToolDialog {
    Q_OBJECT

public:
    explicit AppendAudioDlg(QWidget* parent = nullptr);

    std::vector<std::string> Files() const;
    void AddFile(const std::string& path);
    QTreeWidget* list() const { return list_; }
    QLabel* workingLabel() const { return working_; }

    // Checks the files, asks for the output (or takes the given one) and starts the worker.
    void Combine(const std::string& output = {});
    void Remove();
    void Move(int step);

protected:
    void WorkerFinished(const std::string& error, const char* caption) override;

private:
    QTreeWidget* list_;
    QPushButton *add_, *remove_, *up_, *down_, *combine_;
    QLabel* working_;
};
