#pragma once

#include "app/RecentContacts.h"

#include <QAbstractTableModel>

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

private:
    void beginReset() override { beginResetModel(); }
    void endReset() override { endResetModel(); }
    void beginInsert(std::size_t first, std::size_t count) override;
    void endInsert() override { endInsertRows(); }
    void beginRemove(std::size_t first, std::size_t count) override;
    void endRemove() override { endRemoveRows(); }

    RecentContacts& rows_;
};

} // namespace qv
