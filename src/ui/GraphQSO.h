#pragma once

#include "app/GraphQSOLogic.h"

#include <array>

#include <QDialog>

class QLabel;
class QPushButton;

namespace qv {

// " Activity Graph - QSOs per Hour Rate ...": shows a GraphQSOLogic over the
// screen's working area. The curve, the band strip, the frame and the grid are
// painted at the window's present size; the axis labels and the legend are
// labels placed along them.
class GraphQSO : public QDialog {
    Q_OBJECT
public:
    // Shows the window modally; it is discarded when closed.
    static void run(QWidget* parent, const ContestLog& log, Dialogs& dialogs);

    GraphQSO(GraphQSOLogic& logic, QWidget* parent = nullptr);

    // The plot frame in the window's coordinates.
    QRectF plot() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void command1Clicked();
    void render();
    void layOut();
    // The strip between the two lines under the plot.
    double stripTop() const;
    double stripBottom() const;

    GraphQSOLogic& logic_;
    bool sizedWithFrame_ = false;
    QPushButton* command1_;
    QLabel* bandCaption_;
    std::array<QLabel*, kBandLegend.size()> lblBnd_{};
    std::array<QLabel*, kRateGraphTimeLabels> lblTime_{};
    std::array<QLabel*, kRateGraphTimeLabels> lblDate_{};
    std::array<QLabel*, kRateGraphRateLabels> lblY_{};
};

} // namespace qv
