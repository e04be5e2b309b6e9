#include "app/PlayerCtrl.h"

PlayerCtrl::PlayerCtrl(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
}

void PlayerCtrl::Play(const std::string&) {}

void PlayerCtrl::Stop() {}

void PlayerCtrl::Release() {}
