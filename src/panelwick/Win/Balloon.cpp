#include "panelwick/Win/Balloon.h"

#include <QToolTip>
#include <QWidget>

namespace Win {

void Balloon::Show(QWidget* field, const std::string& title, const std::string& text) {
    const QString html = QStringLiteral("<p style='white-space:pre'><b>%1</b></p><p>%2</p>")
                             .arg(QString::fromStdString(title).toHtmlEscaped(),
                                  QString::fromStdString(text).toHtmlEscaped());
    field->setFocus();
    // The bubble's tip sits a little inside the field's lower edge, as a balloon tip does.
    const QPoint tip(field->width() / 4, field->height() * 3 / 4);
    QToolTip::showText(field->mapToGlobal(tip), html, field);
}

}  // namespace Win
