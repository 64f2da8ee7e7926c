#pragma once

#include "displays/BandPlanChart.h"

#include <QWidget>

namespace qv {

// Paints a band privileges chart in the coordinates of the window it covers:
// black band bars, yellow name tags and the CW and phone segments in front of the
// bars, with each element's hover text as its tooltip. A screen reader hears the
// title as the name and every band's segments as the description.
class BandPlanChartView : public QWidget {
    Q_OBJECT
public:
    explicit BandPlanChartView(QWidget* parent);

    void showChart(BandPlanChart chart);
    const BandPlanChart& chart() const { return chart_; }

    // The hover text of the element in front at a point, or empty text.
    QString hoverTextAt(QPointF point) const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    BandPlanChart chart_;
};

} // namespace qv
