#pragma once

#include <string>
#include <vector>

class QComboBox;

// Fills a device list with the devices' names and selects the stored position (the first
// device when that position no longer exists).
void FillDeviceList(QComboBox* list, const std::vector<std::string>& names, int stored);
