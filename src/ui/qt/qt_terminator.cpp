#include "ui/qt/qt_terminator.h"

#include <QCoreApplication>

namespace ui::qt {

void QtTerminator::quit() {
    QCoreApplication::exit(0);
}

}  // namespace ui::qt
