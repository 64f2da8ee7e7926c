#pragma once

// Labels whose text changes often (the status line, the clocks, the totals) must
// not make the window lay itself out again at every change: a label of fixed size
// repaints alone when its text changes.

#include <QWidget>

class QLabel;

namespace qv {

// Fixes the label's size to what `widest` needs in its font (at least its size
// now), so that a new text never asks the layout for room.
void fixLabelSize(QLabel* label, const QString& widest);

// A place in a layout that the label fills, one line high and as wide as the
// layout makes the place; the label follows the place's size and its text
// changes never reach the layout.
class LabelSlot : public QWidget {
    Q_OBJECT
public:
    explicit LabelSlot(QLabel* label, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* label_;
};

} // namespace qv
