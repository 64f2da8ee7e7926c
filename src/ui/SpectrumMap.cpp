#include "ui/SpectrumMap.h"

#include "platform/qt/QtText.h"
#include "ui/WorkArea.h"

#include <algorithm>
#include <cmath>

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QToolTip>
#include <QVBoxLayout>

namespace qv {
namespace {

constexpr std::size_t kRows = kSpectrumRows.size();

// Proportions of the view: the strip of a row and its axis, as fractions of the
// row's height and of the view's width.
constexpr double kStripTop = 0.05;
constexpr double kStripHeight = 0.9;
constexpr double kStripLeft = 0.005;
constexpr double kStripWidth = 0.99;
constexpr double kAxisHeight = 0.55;
constexpr double kAxisStart = 0.07;
constexpr double kAxisEnd = 0.97;
// The scale marks' gap below the axis, as a fraction of the view's height.
constexpr double kMarkGap = 0.004;
// Font pixel sizes as fractions of a row's height.
constexpr double kLabelFont = 0.24;
constexpr double kMarkFont = 0.18;

// Dark strips, so the light yellow, white and silver labels read on them.
constexpr Colour kBackground = rgb(40, 40, 40);
constexpr Colour kStrip = rgb(10, 20, 60);
constexpr Colour kAxis = rgb(150, 150, 170);
constexpr Colour kMarkText = rgb(200, 200, 210);
constexpr Colour kBandName = rgb(120, 200, 255);

QColor colourOf(Colour c) {
    return {redOf(c), greenOf(c), blueOf(c)};
}

QFont pixelFont(double pixels, bool bold) {
    QFont font;
    font.setPixelSize(std::max(8, static_cast<int>(std::lround(pixels))));
    font.setBold(bold);
    return font;
}

} // namespace

SpectrumMapView::SpectrumMapView(const SpectrumMapLogic& logic, QWidget* parent)
    : QWidget(parent), logic_(logic) {
    setAccessibleName(QStringLiteral("HF Spectrum Map"));
    setFocusPolicy(Qt::TabFocus);
    setMouseTracking(true);
}

double SpectrumMapView::rowHeight() const {
    return height() / static_cast<double>(kRows);
}

QFont SpectrumMapView::labelFont() const {
    return pixelFont(rowHeight() * kLabelFont, true);
}

QFont SpectrumMapView::markFont() const {
    return pixelFont(rowHeight() * kMarkFont, false);
}

QRectF SpectrumMapView::strip(std::size_t row) const {
    const double rh = rowHeight();
    return {width() * kStripLeft, rh * (static_cast<double>(row) + kStripTop),
            width() * kStripWidth, rh * kStripHeight};
}

QLineF SpectrumMapView::axis(std::size_t row) const {
    const double y = rowHeight() * (static_cast<double>(row) + kAxisHeight);
    return {width() * kAxisStart, y, width() * kAxisEnd, y};
}

QRectF SpectrumMapView::labelRect(const SpotLabel& label) const {
    const QFontMetricsF metrics(labelFont());
    const double w = metrics.horizontalAdvance(toQString(label.caption)) + 4;
    const double h = metrics.height();
    const QLineF a = axis(static_cast<std::size_t>(label.row));
    const double centre = a.x1() + label.position * a.dx();
    return {centre - w / 2, a.y1() - h, w, h};
}

const SpotLabel* SpectrumMapView::labelAt(QPointF point) const {
    // Newest first: the newest label is in front.
    for (const SpotLabel& label : logic_.state().layout.labels) {
        if (labelRect(label).contains(point)) {
            return &label;
        }
    }
    return nullptr;
}

void SpectrumMapView::describe() {
    QString text;
    const SpectrumLayout& layout = logic_.state().layout;
    for (std::size_t k = 0; k < kRows; ++k) {
        QString row;
        for (const SpotLabel& label : layout.labels) {
            if (static_cast<std::size_t>(label.row) == k) {
                row += (row.isEmpty() ? QString() : QStringLiteral(", ")) + toQString(label.tip);
            }
        }
        if (!row.isEmpty()) {
            text += QString::fromLatin1(kSpectrumRows[k].band) + QStringLiteral(" m: ") + row +
                    QStringLiteral(". ");
        }
    }
    setAccessibleDescription(text.isEmpty() ? QStringLiteral("No spots.") : text.trimmed());
}

bool SpectrumMapView::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        if (const SpotLabel* label = labelAt(help->pos())) {
            QToolTip::showText(help->globalPos(), toQString(label->tip), this);
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QWidget::event(event);
}

void SpectrumMapView::mousePressEvent(QMouseEvent* event) {
    const SpotLabel* label = labelAt(event->position());
    if (!label || !pressed_) {
        QWidget::mousePressEvent(event);
        return;
    }
    // Tuning lets events run, which may lay the labels out again.
    const std::size_t slot = label->slot;
    pressed_(slot, event->button() == Qt::RightButton ? SpectrumMapLogic::Button::Right
                                                      : SpectrumMapLogic::Button::Other);
}

void SpectrumMapView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), colourOf(kBackground));
    const SpectrumLayout& layout = logic_.state().layout;
    const QFont nameFont = labelFont();
    const QFont marks = markFont();
    const QFontMetricsF markMetrics(marks);

    for (std::size_t k = 0; k < kRows; ++k) {
        const QRectF s = strip(k);
        const QLineF a = axis(k);
        painter.fillRect(s, colourOf(kStrip));

        painter.setFont(nameFont);
        painter.setPen(colourOf(kBandName));
        const QRectF name(s.left() + 4, s.top(), a.x1() - s.left() - 4, a.y1() - s.top());
        painter.drawText(name, Qt::AlignLeft | Qt::AlignVCenter,
                         QString::fromLatin1(kSpectrumRows[k].band) + QStringLiteral(" m"));

        painter.setPen(QPen(colourOf(kAxis), 1));
        painter.drawLine(a);

        painter.setFont(marks);
        painter.setPen(colourOf(kMarkText));
        const double top = a.y1() + height() * kMarkGap;
        for (std::size_t m = 0; m < layout.scales[k].marks.size(); ++m) {
            const QString text = toQString(layout.scales[k].marks[m]);
            const double w = markMetrics.horizontalAdvance(text) + 2;
            const double centre = a.x1() + a.dx() * 0.25 * static_cast<double>(m);
            painter.drawText(QRectF(centre - w / 2, top, w, markMetrics.height()), Qt::AlignCenter,
                             text);
        }
    }

    // Oldest first, so the newest ends in front; each label hides what lies
    // behind it.
    painter.setFont(labelFont());
    for (auto l = layout.labels.rbegin(); l != layout.labels.rend(); ++l) {
        const QRectF r = labelRect(*l);
        painter.fillRect(r.adjusted(0, 0, 0, -1), colourOf(kStrip)); // the axis stays whole
        painter.setPen(colourOf(l->colour));
        painter.drawText(r, Qt::AlignCenter, toQString(l->caption));
    }
}

std::optional<std::string> SpectrumMap::run(QWidget* parent, SpectrumMapLogic& logic) {
    SpectrumMap window(logic, parent);
    window.exec();
    return window.callChosen();
}

SpectrumMap::SpectrumMap(SpectrumMapLogic& logic, QWidget* parent)
    : QDialog(parent), logic_(logic) {
    setObjectName(QStringLiteral("SpectrumMap"));
    setWindowTitle(QString::fromLatin1(SpectrumMapLogic::kTitle));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    view_ = new SpectrumMapView(logic_, this);
    view_->setObjectName(QStringLiteral("SpectrumMapView"));
    layout->addWidget(view_);
    view_->setPressedHandler(
        [this](std::size_t slot, SpectrumMapLogic::Button button) { pressed(slot, button); });
    logic_.setChangedHandler([this] {
        view_->describe();
        view_->update();
    });
    view_->describe();
    fillWorkingArea(*this);
}

SpectrumMap::~SpectrumMap() {
    // The logic outlives the window.
    logic_.setChangedHandler({});
}

void SpectrumMap::pressed(std::size_t slot, SpectrumMapLogic::Button button) {
    SpectrumMapClick click = logic_.lblDXSpot_MouseDown(slot, button);
    if (click.callChosen) {
        callChosen_ = std::move(click.callChosen);
        accept();
    }
}

bool SpectrumMap::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        logic_.Form_Activate();
    }
    return QDialog::event(event);
}

void SpectrumMap::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    fillAgainOnceFramed(*this, sizedWithFrame_);
}

} // namespace qv
