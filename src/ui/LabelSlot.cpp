#include "ui/LabelSlot.h"

#include <algorithm>

#include <QLabel>
#include <QResizeEvent>

namespace qv {

void fixLabelSize(QLabel* label, const QString& widest) {
    const QFontMetrics metrics(label->font());
    const QMargins margins = label->contentsMargins();
    const int width =
        std::max(label->sizeHint().width(), metrics.horizontalAdvance(widest) + margins.left() +
                                                margins.right() + 2 * label->margin() + 4);
    const int height = std::max(label->sizeHint().height(), metrics.height());
    label->setFixedSize(width, height);
}

LabelSlot::LabelSlot(QLabel* label, QWidget* parent) : QWidget(parent), label_(label) {
    label_->setParent(this);
    label_->move(0, 0);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize LabelSlot::sizeHint() const {
    const QFontMetrics metrics(label_->font());
    return {metrics.horizontalAdvance(QLatin1Char('M')) * 10,
            std::max(label_->minimumHeight(), metrics.height() + 2 * label_->margin() + 4)};
}

QSize LabelSlot::minimumSizeHint() const {
    return {1, sizeHint().height()};
}

void LabelSlot::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    label_->setFixedSize(event->size());
}

} // namespace qv
