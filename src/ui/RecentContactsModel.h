#pragma once

#include "app/RecentContacts.h"

#include <array>
#include <deque>
#include <optional>

#include <QAbstractTableModel>
#include <QStaticText>

namespace qv {

// The recent-contacts list as a Qt table model: the view follows the rows the
// logic adds and removes one at a time, instead of a rebuild after each contact.
class RecentContactsModel : public QAbstractTableModel, private RecentContactsObserver {
    Q_OBJECT
public:
    explicit RecentContactsModel(RecentContacts& rows, QObject* parent = nullptr);
    ~RecentContactsModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The cell's text laid out for the font, made once and kept while the row stays.
    const QStaticText& staticText(const QModelIndex& index, const QFont& font) const;

private:
    void beginReset() override { beginResetModel(); }
    void endReset() override;
    void beginInsert(std::size_t first, std::size_t count) override;
    void endInsert() override { endInsertRows(); }
    void beginRemove(std::size_t first, std::size_t count) override;
    void endRemove() override { endRemoveRows(); }
    void shiftedDown() override;

    using LaidOutRow = std::array<std::optional<QStaticText>, kLogListColumns>;

    RecentContacts& rows_;
    // One entry a row, in step with the rows; the cells are laid out when first shown.
    mutable std::deque<LaidOutRow> laidOut_;
    mutable QFont laidOutFont_;
};

} // namespace qv
