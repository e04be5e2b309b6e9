#pragma once

#include <string>

class QWidget;

namespace Win {

// The bubble a dialog shows at a field whose input it refuses: a title and a text, pointing at
// the field, gone at the next click or key.
class Balloon {
public:
    static void Show(QWidget* field, const std::string& title, const std::string& text);
};

}  // namespace Win
