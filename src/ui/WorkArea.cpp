#include "ui/WorkArea.h"

#include <QMetaObject>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace qv {

void fillWorkingArea(QWidget& window) {
    const QScreen* shown = window.screen();
    if (!shown) {
        return;
    }
    const QRect area = shown->availableGeometry();
    const QSize framed = window.frameGeometry().size() - window.geometry().size();
    const QSize frame = framed.height() > 0
                            ? framed
                            : QSize(0, window.style()->pixelMetric(QStyle::PM_TitleBarHeight));
    window.resize(area.size() - frame);
    window.move(area.topLeft());
}

void fillAgainOnceFramed(QWidget& window, bool& done) {
    if (done || !window.isVisible() ||
        window.frameGeometry().height() <= window.geometry().height()) {
        return;
    }
    done = true;
    QPointer<QWidget> alive(&window);
    QMetaObject::invokeMethod(
        &window,
        [alive] {
            if (alive) {
                fillWorkingArea(*alive);
            }
        },
        Qt::QueuedConnection);
}

} // namespace qv
