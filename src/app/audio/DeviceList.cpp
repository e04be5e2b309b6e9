#include "app/audio/DeviceList.h"

#include <QComboBox>

void FillDeviceList(QComboBox* list, const std::vector<std::string>& names, int stored) {
    list->clear();
    for (const std::string& name : names) list->addItem(QString::fromStdString(name));
    if (names.empty()) return;
    list->setCurrentIndex(stored >= 0 && stored < int(names.size()) ? stored : 0);
}
