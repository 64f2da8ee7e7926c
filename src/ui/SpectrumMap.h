#pragma once

#include "app/SpectrumMapLogic.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include <QDialog>
#include <QLineF>
#include <QRectF>
#include <QWidget>

namespace qv {

// Paints the spectrum map's eleven rows in its own coordinates: a dark strip
// per band with its name, the axis, five scale marks below it and the spot
// labels above it in their age colours, the newest in front. The hover text of
// a label is its tooltip; a mouse button pressed on a label is handed on.
class SpectrumMapView : public QWidget {
    Q_OBJECT
public:
    using Pressed = std::function<void(std::size_t slot, SpectrumMapLogic::Button button)>;

    SpectrumMapView(const SpectrumMapLogic& logic, QWidget* parent);
    void setPressedHandler(Pressed pressed) { pressed_ = std::move(pressed); }

    // Row k's strip and axis (left to right) at the view's present size.
    QRectF strip(std::size_t row) const;
    QLineF axis(std::size_t row) const;
    // Where a label stands: centred on its place along its row's axis, on the axis.
    QRectF labelRect(const SpotLabel& label) const;
    // The label in front at a point.
    const SpotLabel* labelAt(QPointF point) const;

    // The shown spots, row by row, as a screen reader hears them.
    void describe();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    double rowHeight() const;
    QFont labelFont() const;
    QFont markFont() const;

    const SpectrumMapLogic& logic_;
    Pressed pressed_;
};

// " HF Spectrum Map": shows a SpectrumMapLogic, modally, over the screen's
// working area.
class SpectrumMap : public QDialog {
    Q_OBJECT
public:
    // Shows the window modally until it closes; the call a right click chose,
    // for the main window's call field.
    static std::optional<std::string> run(QWidget* parent, SpectrumMapLogic& logic);

    explicit SpectrumMap(SpectrumMapLogic& logic, QWidget* parent = nullptr);
    ~SpectrumMap() override;

    const std::optional<std::string>& callChosen() const { return callChosen_; }
    SpectrumMapView* view() const { return view_; }

protected:
    bool event(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void pressed(std::size_t slot, SpectrumMapLogic::Button button);

    SpectrumMapLogic& logic_;
    SpectrumMapView* view_;
    std::optional<std::string> callChosen_;
    bool sizedWithFrame_ = false;
};

} // namespace qv
