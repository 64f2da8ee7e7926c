#include "ui/BandPlanChartView.h"

#include "platform/qt/QtText.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace qv {
namespace {

QRectF rectOf(const ChartBox& box) {
    return {box.left, box.top, box.width, box.height};
}

QColor colourOf(Colour c) {
    return {redOf(c), greenOf(c), blueOf(c)};
}

QFont chartFont(const char* family, double points, bool bold) {
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(points > 0 ? points : 1);
    font.setBold(bold);
    return font;
}

} // namespace

BandPlanChartView::BandPlanChartView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("BandPlanChart"));
    // In the tab chain, so that a screen reader can reach the description.
    setFocusPolicy(Qt::TabFocus);
}

void BandPlanChartView::showChart(BandPlanChart chart) {
    chart_ = std::move(chart);
    setAccessibleName(toQString(chart_.title));
    setAccessibleDescription(toQString(chartDescription(chart_)));
    update();
}

QString BandPlanChartView::hoverTextAt(QPointF point) const {
    // Segments lie in front of the bars; the last drawn is in front.
    for (auto s = chart_.segments.rbegin(); s != chart_.segments.rend(); ++s) {
        if (rectOf(s->box).contains(point)) {
            return toQString(s->hover);
        }
    }
    for (const BandTag& tag : chart_.tags) {
        if (rectOf(tag.box).contains(point)) {
            return toQString(tag.hover);
        }
    }
    for (const BandBar& bar : chart_.bars) {
        if (rectOf(bar.box).contains(point)) {
            return toQString(bar.hover);
        }
    }
    return {};
}

bool BandPlanChartView::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString text = hoverTextAt(help->pos());
        if (text.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), text, this);
        }
        return true;
    }
    return QWidget::event(event);
}

void BandPlanChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPen border(Qt::black, 1);

    painter.setPen(border);
    painter.setBrush(colourOf(kBarColour));
    for (const BandBar& bar : chart_.bars) {
        painter.drawRect(rectOf(bar.box));
    }

    for (const BandTag& tag : chart_.tags) {
        const QRectF r = rectOf(tag.box);
        painter.fillRect(r, colourOf(kTagBack));
        painter.setPen(colourOf(kTagText));
        painter.setFont(chartFont("Arial", tag.fontPoints, true));
        painter.drawText(r, Qt::AlignCenter, toQString(tag.text));
    }

    for (const PrivilegeSegment& s : chart_.segments) {
        const QRectF r = rectOf(s.box);
        painter.setPen(border);
        painter.setBrush(colourOf(s.back));
        painter.drawRect(r);
        painter.setPen(colourOf(s.fore));
        QFont font = chartFont("Arial Narrow", s.fontPoints, false);
        font.setStretch(QFont::Condensed);
        painter.setFont(font);
        // A segment too narrow for its edges shows what fits; the tooltip has all.
        painter.save();
        painter.setClipRect(r);
        painter.drawText(r, Qt::AlignCenter, toQString(s.text));
        painter.restore();
    }

    if (hasFocus() && !chart_.bars.empty()) {
        const ChartBox& first = chart_.tags.front().box;
        const ChartBox& last = chart_.bars.back().box;
        const QRectF around(QPointF(first.left, first.top),
                            QPointF(last.left + last.width, last.top + last.height));
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DashLine));
        painter.drawRect(around.adjusted(-4, -4, 4, 4));
    }
}

} // namespace qv
