#pragma once

#include <string>

class QWidget;

namespace Win {

// Modal message boxes with the program's caption and the icon of their kind. Texts are UTF-8.
class MessageBox {
public:
    enum class Answer { Yes, No, Cancel };

    static void ShowError(QWidget* parent, const std::string& text,
                          const std::string& caption = "Reelwork");
    static void ShowInformation(QWidget* parent, const std::string& text,
                                const std::string& caption = "Reelwork");
    // Yes, No and Cancel buttons with a question icon; closing the box counts as Cancel.
    static Answer AskYesNoCancel(QWidget* parent, const std::string& text,
                                 const std::string& caption = "Reelwork");
    // Yes and No buttons with a question icon; true only for Yes.
    static bool AskYesNo(QWidget* parent, const std::string& text,
                         const std::string& caption = "Reelwork");
    // Yes and No buttons with a warning icon; true only for Yes.
    static bool WarnYesNo(QWidget* parent, const std::string& text,
                          const std::string& caption = "Reelwork");
};

}  // namespace Win
