#include "ui/BandMapStrip.h"

#include "platform/qt/QtText.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace qv {
namespace {

QColor toQColor(Colour c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

} // namespace

BandMapStrip::BandMapStrip(const SpotDisplay& display, QWidget* parent)
    : QWidget(parent), display_(display) {
    setObjectName(QStringLiteral("lblDX"));
    setAccessibleName(QStringLiteral("Band map"));
    setMouseTracking(true);
    setAutoFillBackground(false);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize BandMapStrip::sizeHint() const {
    const int line = fontMetrics().height();
    return {400, line * 4};
}

// Half a typical label's width is kept free at each end, so labels at the band
// edges stay inside the strip.
int BandMapStrip::axisStart() const {
    return fontMetrics().horizontalAdvance(QStringLiteral("WWWW")) / 2 + 4;
}

int BandMapStrip::axisLength() const {
    return std::max(1, width() - 2 * axisStart());
}

std::vector<BandMapStrip::Placed> BandMapStrip::place() const {
    std::vector<Placed> out;
    const QFontMetrics metrics = fontMetrics();
    const int h = metrics.height();
    const int gap = std::max(1, height() / 250);
    for (const SpotLabel& label : display_.state().layout.labels) {
        const QString text = toQString(label.caption);
        const int w = metrics.horizontalAdvance(text) + 4;
        const int centre = axisStart() + static_cast<int>(label.position * axisLength());
        out.push_back({label.slot, QRect(centre - w / 2, axisY() - h - gap, w, h)});
    }
    return out;
}

QRect BandMapStrip::labelRect(std::size_t slot) const {
    for (const Placed& p : place()) {
        if (p.slot == slot) {
            return p.rect;
        }
    }
    return {};
}

std::optional<std::size_t> BandMapStrip::slotAt(const QPoint& point) const {
    // The newest label is drawn last, on top: it is the one hit.
    const std::vector<Placed> placed = place();
    for (const Placed& p : placed) {
        if (p.rect.contains(point)) {
            return p.slot;
        }
    }
    return std::nullopt;
}

void BandMapStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0, 0, 64));
    const SpotDisplayState& s = display_.state();
    painter.setPen(QPen(QColor(255, 255, 255), 1));
    painter.drawLine(axisStart(), axisY(), axisStart() + axisLength(), axisY());
    const QFontMetrics metrics = fontMetrics();
    const int gap = std::max(1, height() / 250);
    for (int k = 0; k < 5; ++k) {
        const QString mark = toQString(s.layout.scale.marks[static_cast<std::size_t>(k)]);
        const int x = axisStart() + axisLength() * k / 4;
        const int w = metrics.horizontalAdvance(mark);
        painter.drawLine(x, axisY() - 2, x, axisY() + 2);
        painter.drawText(QRect(x - w / 2 - 2, axisY() + gap + 2, w + 4, metrics.height()),
                         Qt::AlignCenter, mark);
    }
    const std::vector<Placed> placed = place();
    // Oldest first, so the newest spot is drawn on top.
    for (auto it = placed.rbegin(); it != placed.rend(); ++it) {
        const SpotLabel* label = nullptr;
        for (const SpotLabel& l : s.layout.labels) {
            if (l.slot == it->slot) {
                label = &l;
            }
        }
        if (label == nullptr) {
            continue;
        }
        painter.setPen(toQColor(label->colour));
        painter.drawText(it->rect, Qt::AlignCenter, toQString(label->caption));
    }
}

void BandMapStrip::mousePressEvent(QMouseEvent* event) {
    if (const auto slot = slotAt(event->position().toPoint())) {
        if (event->button() == Qt::RightButton) {
            emit labelRightClicked(*slot);
        } else {
            emit labelClicked(*slot);
        }
        return;
    }
    if (event->button() == Qt::LeftButton) {
        emit areaClicked();
    }
}

void BandMapStrip::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!slotAt(event->position().toPoint())) {
        emit areaDoubleClicked();
    }
}

void BandMapStrip::mouseMoveEvent(QMouseEvent* event) {
    const auto slot = slotAt(event->position().toPoint());
    if (slot && slot != hovered_) {
        emit labelHovered(*slot);
    }
    hovered_ = slot;
}

bool BandMapStrip::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        if (const auto slot = slotAt(help->pos())) {
            for (const SpotLabel& l : display_.state().layout.labels) {
                if (l.slot == *slot) {
                    QToolTip::showText(help->globalPos(), toQString(l.tip), this);
                    return true;
                }
            }
        }
        QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

} // namespace qv
