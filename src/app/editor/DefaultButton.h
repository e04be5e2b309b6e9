#pragma once

class QDialog;
class QPushButton;

// Makes `ok` the dialog's only default push button: Enter presses it wherever the focus is,
// and no other push button becomes the default when it takes the focus or when the dialog is
// shown. Call it after every push button of the dialog has been placed inside it.
void SetOnlyDefaultButton(QDialog& dialog, QPushButton& ok);
