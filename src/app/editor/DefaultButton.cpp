#include "app/editor/DefaultButton.h"

#include <QDialog>
#include <QPushButton>

void SetOnlyDefaultButton(QDialog& dialog, QPushButton& ok) {
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    // Inside the dialog now, the button registers as its main default; set before that, the
    // dialog would make its first push button the default when shown.
    ok.setDefault(true);
}
