#include "platform/qt/QtBeeper.h"

#include <QApplication>

namespace qv {

void QtBeeper::beep() {
    QApplication::beep();
}

} // namespace qv
