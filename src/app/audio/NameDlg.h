#pragma once

#include <string>

#include "app/audio/ToolDialog.h"

class QLineEdit;

// "New Audio File": asks for the name of a new audio file (letters and digits only).
class NameDlg : public ToolDialog {
    Q_OBJECT

public:
    explicit NameDlg(QWidget* parent = nullptr);

    std::string name() const;
    QLineEdit* nameBox() const { return name_; }
    void accept() override;

private:
    QLineEdit* name_;
};
