#include "app/timeline/ObjectClipboard.h"

#include <memory>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

bool ObjectClipboard::Put(const std::string& block) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return false;
    auto data = std::make_unique<QMimeData>();
    data->setData(kMimeType, QByteArray(block.data(), static_cast<qsizetype>(block.size())));
    clipboard->setMimeData(data.release());  // the clipboard owns it from here
    return true;
}

bool ObjectClipboard::Get(std::string& block) {
    if (!Available()) return false;
    const QByteArray bytes = QGuiApplication::clipboard()->mimeData()->data(kMimeType);
    block.assign(bytes.constData(), static_cast<size_t>(bytes.size()));
    return true;
}

bool ObjectClipboard::Available() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
    return data && data->hasFormat(kMimeType);
}
