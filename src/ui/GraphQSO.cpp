#include "ui/GraphQSO.h"

#include "platform/qt/QtText.h"
#include "ui/UiText.h"
#include "ui/WorkArea.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace qv {
namespace {

constexpr double kTwipsPerPixel = 15;

// The plot's frame and the band strip as shares of the window's size.
constexpr double kPlotLeft = 0.07;
constexpr double kPlotRight = 0.97;
constexpr double kPlotTop = 0.04;
constexpr double kPlotBottom = 0.76;
constexpr double kStripTop = 0.77;
constexpr double kStripBottom = 0.80;
constexpr double kTimeRow = 0.81;
constexpr double kDateRow = 0.85;
constexpr double kLegendRow = 0.92;
constexpr int kGridParts = 16;

QColor qtColour(Colour c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

QString textStyle(Colour fore, Colour back) {
    return QStringLiteral("color: rgb(%1,%2,%3); ")
               .arg(redOf(fore))
               .arg(greenOf(fore))
               .arg(blueOf(fore)) +
           backgroundStyle(back);
}

QLabel* axisLabel(QWidget* parent, const QString& name, Qt::Alignment alignment) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment);
    return label;
}

} // namespace

void GraphQSO::run(QWidget* parent, const ContestLog& log, Dialogs& dialogs) {
    GraphQSOLogic logic({log, dialogs});
    GraphQSO window(logic, parent);
    window.exec();
}

GraphQSO::GraphQSO(GraphQSOLogic& logic, QWidget* parent) : QDialog(parent), logic_(logic) {
    setObjectName(QStringLiteral("GraphQSO"));
    setWindowTitle(QString::fromLatin1(GraphQSOLogic::kCaption));
    setModal(true);

    command1_ = new QPushButton(this);
    command1_->setObjectName(QStringLiteral("Command1"));
    connect(command1_, &QPushButton::clicked, this, [this] { command1Clicked(); });
    bandCaption_ = axisLabel(this, QStringLiteral("lblBandCaption"), Qt::AlignCenter);
    bandCaption_->setText(QString::fromLatin1(GraphQSOLogic::kBandCaption));
    for (std::size_t i = 0; i < lblBnd_.size(); ++i) {
        lblBnd_[i] = axisLabel(this, QStringLiteral("lblBnd(%1)").arg(i), Qt::AlignCenter);
        lblBnd_[i]->setText(QString::fromLatin1(kBandLegend[i].band));
        // Always on black, so that the white of 2 m shows on either background.
        lblBnd_[i]->setStyleSheet(textStyle(kBandLegend[i].colour, kGraphBlack));
    }
    for (std::size_t i = 0; i < kRateGraphTimeLabels; ++i) {
        lblTime_[i] = axisLabel(this, QStringLiteral("lblTime(%1)").arg(i), Qt::AlignCenter);
        lblDate_[i] = axisLabel(this, QStringLiteral("lblDate(%1)").arg(i), Qt::AlignCenter);
    }
    for (std::size_t i = 0; i < kRateGraphRateLabels; ++i) {
        lblY_[i] =
            axisLabel(this, QStringLiteral("lblY(%1)").arg(i), Qt::AlignRight | Qt::AlignVCenter);
    }

    fillWorkingArea(*this);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    logic_.Form_Load();
    render();
    QApplication::restoreOverrideCursor();
}

void GraphQSO::command1Clicked() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    logic_.Command1_Click();
    render();
    repaint();
    QApplication::restoreOverrideCursor();
}

void GraphQSO::render() {
    const GraphQSOState& s = logic_.state();
    command1_->setText(toQString(s.command1));
    const QString style = textStyle(s.foreground, s.background);
    setStyleIfChanged(bandCaption_, style);
    for (std::size_t i = 0; i < kRateGraphTimeLabels; ++i) {
        showValue(lblTime_[i], toQString(s.graph.timeLabels[i]));
        showValue(lblDate_[i], toQString(s.graph.dateLabels[i]));
        setStyleIfChanged(lblTime_[i], style);
        setStyleIfChanged(lblDate_[i], style);
    }
    for (std::size_t i = 0; i < kRateGraphRateLabels; ++i) {
        showValue(lblY_[i], toQString(s.graph.rateLabels[i]));
        setStyleIfChanged(lblY_[i], style);
    }
    layOut();
    update();
}

QRectF GraphQSO::plot() const {
    return QRectF(QPointF(width() * kPlotLeft, height() * kPlotTop),
                  QPointF(width() * kPlotRight, height() * kPlotBottom));
}

double GraphQSO::stripTop() const {
    return height() * kStripTop;
}

double GraphQSO::stripBottom() const {
    return height() * kStripBottom;
}

void GraphQSO::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    fillAgainOnceFramed(*this, sizedWithFrame_);
}

void GraphQSO::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    layOut();
}

void GraphQSO::layOut() {
    const QRectF p = plot();
    const int rowHeight = fontMetrics().height() + 2;
    const int timeWidth = fontMetrics().horizontalAdvance(QStringLiteral("00:000")) + 4;
    for (std::size_t i = 0; i < kRateGraphTimeLabels; ++i) {
        const double x = p.left() + p.width() * double(i) / double(kRateGraphTimeLabels - 1);
        lblTime_[i]->setGeometry(qRound(x - timeWidth / 2.0), qRound(height() * kTimeRow),
                                 timeWidth, rowHeight);
        lblDate_[i]->setGeometry(qRound(x - timeWidth / 2.0), qRound(height() * kDateRow),
                                 timeWidth, rowHeight);
    }
    const int rateWidth = qRound(p.left()) - 6;
    for (std::size_t i = 0; i < kRateGraphRateLabels; ++i) {
        const double y = p.bottom() - p.height() * double(i) / double(kRateGraphRateLabels - 1);
        lblY_[i]->setGeometry(2, qRound(y - rowHeight / 2.0), rateWidth, rowHeight);
    }
    const int legendTop = qRound(height() * kLegendRow);
    const int legendWidth = fontMetrics().horizontalAdvance(QStringLiteral("Band 00")) + 8;
    int x = qRound(p.left());
    bandCaption_->setGeometry(x, legendTop, legendWidth, rowHeight);
    for (QLabel* label : lblBnd_) {
        x += legendWidth + 4;
        label->setGeometry(x, legendTop, legendWidth, rowHeight);
    }
    const QSize button = command1_->sizeHint();
    command1_->setGeometry(qRound(p.right()) - button.width() - 120, legendTop - 4,
                           button.width() + 120, button.height());
}

void GraphQSO::paintEvent(QPaintEvent*) {
    const GraphQSOState& s = logic_.state();
    const RateGraph& g = s.graph;
    QPainter painter(this);
    painter.fillRect(rect(), qtColour(s.background));

    const QRectF p = plot();
    painter.setPen(QPen(qtColour(s.grid), 0));
    for (int k = 1; k < kGridParts; ++k) {
        const double y = p.top() + p.height() * k / kGridParts;
        painter.drawLine(QLineF(p.left(), y, p.right(), y));
    }
    painter.setPen(QPen(qtColour(s.foreground), 0));
    painter.drawRect(p);
    painter.drawLine(QLineF(p.left(), stripTop(), p.right(), stripTop()));
    painter.drawLine(QLineF(p.left(), stripBottom(), p.right(), stripBottom()));

    // The computation stopped at a division by zero: nothing more to draw.
    if (g.reached != RateGraph::Reached::Complete) {
        return;
    }
    const double w = p.width() / kRateGraphColumns;
    const double nudge = 10 / kTwipsPerPixel;
    const auto x = [&](int i) { return p.left() + w * (i - 2) + nudge; };
    const auto y = [&](float v) { return p.bottom() - g.heightShare(v) * p.height(); };
    const QPen curve(qtColour(kGraphCurve), 0);
    for (int i = 1; i <= kRateGraphColumns; ++i) {
        if (g.smooth[i] > 0 || g.smooth[i - 1] > 0) {
            painter.fillRect(QRectF(QPointF(x(i - 1), stripTop()), QPointF(x(i), stripBottom())),
                             qtColour(g.colour[i]));
        }
        painter.setPen(curve);
        painter.drawLine(QLineF(x(i), y(g.smooth[i]), x(i - 1), y(g.smooth[i - 1])));
    }
}

} // namespace qv
