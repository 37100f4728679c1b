#include "ui/qt/qt_placement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace ui::qt {

namespace {

void placeOver(QWidget& window, const QWidget& owner) {
    const QRect ownerFrame = owner.frameGeometry();
    const QRect ownerClient = owner.geometry();
    const QMargins frame(
        ownerClient.left() - ownerFrame.left(), ownerClient.top() - ownerFrame.top(),
        ownerFrame.right() - ownerClient.right(), ownerFrame.bottom() - ownerClient.bottom());
    QRect client(QPoint(), window.size());
    client.moveCenter(ownerClient.center());
    QRect outer = client.marginsAdded(frame);
    const QRect available = owner.screen()->availableGeometry();
    outer.moveRight(std::min(outer.right(), available.right()));
    outer.moveLeft(std::max(outer.left(), available.left()));
    outer.moveBottom(std::min(outer.bottom(), available.bottom()));
    outer.moveTop(std::max(outer.top(), available.top()));
    window.move(outer.topLeft());
}

}  // namespace

void standOver(QWidget& window, QWidget& owner) {
    window.setParent(&owner, Qt::Dialog);
    window.setWindowModality(Qt::WindowModal);
    placeOver(window, owner);
}

}  // namespace ui::qt
