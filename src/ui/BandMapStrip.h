#pragma once

#include "app/SpotDisplay.h"

#include <optional>
#include <vector>

#include <QRect>
#include <QWidget>

namespace qv {

// The main window's band map lblDX: the frequency axis across its middle, the
// five scale marks under it and the spot labels above it at their frequencies,
// painted from the SpotDisplay's layout. Mouse actions go back as signals.
class BandMapStrip : public QWidget {
    Q_OBJECT
public:
    explicit BandMapStrip(const SpotDisplay& display, QWidget* parent = nullptr);

    // The slot whose label is under a point of the strip, if any.
    std::optional<std::size_t> slotAt(const QPoint& point) const;
    // Where a slot's label is drawn (empty when it is not shown).
    QRect labelRect(std::size_t slot) const;

signals:
    void labelRightClicked(std::size_t slot);
    void labelClicked(std::size_t slot);
    void labelHovered(std::size_t slot);
    void areaClicked();
    void areaDoubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;
    QSize sizeHint() const override;

private:
    struct Placed {
        std::size_t slot;
        QRect rect;
    };
    std::vector<Placed> place() const;
    int axisY() const { return height() / 2; }
    int axisStart() const;
    int axisLength() const;

    const SpotDisplay& display_;
    std::optional<std::size_t> hovered_;
};

} // namespace qv
