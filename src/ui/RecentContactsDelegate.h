#pragma once

#include <QStyledItemDelegate>

namespace qv {

class RecentContactsModel;

// Paints the cells of the recent-contacts list from text laid out once per cell
// (QStaticText), so that the rows moving down after each contact cost a copy of
// their glyphs instead of shaping all their text again.
class RecentContactsDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    RecentContactsDelegate(const RecentContactsModel& model, QObject* parent = nullptr)
        : QStyledItemDelegate(parent), model_(model) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    // One line of text; the width from the laid-out text.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    const RecentContactsModel& model_;
};

} // namespace qv
