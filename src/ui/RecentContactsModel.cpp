#include "ui/RecentContactsModel.h"

#include "platform/qt/QtText.h"

namespace qv {

RecentContactsModel::RecentContactsModel(RecentContacts& rows, QObject* parent)
    : QAbstractTableModel(parent), rows_(rows) {
    rows_.setObserver(this);
}

RecentContactsModel::~RecentContactsModel() {
    rows_.setObserver(nullptr);
}

int RecentContactsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int RecentContactsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kLogListColumns);
}

QVariant RecentContactsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || static_cast<std::size_t>(index.row()) >= rows_.size() ||
        (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)) {
        return {};
    }
    return toQString(rows_.rows()[static_cast<std::size_t>(index.row())]
                         .columns[static_cast<std::size_t>(index.column())]);
}

QVariant RecentContactsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= static_cast<int>(kLogListColumns)) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    const std::string_view heading = kLogListHeadings[static_cast<std::size_t>(section)];
    return QString::fromLatin1(heading.data(), static_cast<qsizetype>(heading.size()));
}

void RecentContactsModel::endReset() {
    laidOut_.assign(rows_.size(), {});
    endResetModel();
}

void RecentContactsModel::beginInsert(std::size_t first, std::size_t count) {
    laidOut_.insert(laidOut_.begin() + static_cast<std::ptrdiff_t>(first), count, {});
    beginInsertRows({}, static_cast<int>(first), static_cast<int>(first + count - 1));
}

void RecentContactsModel::beginRemove(std::size_t first, std::size_t count) {
    beginRemoveRows({}, static_cast<int>(first), static_cast<int>(first + count - 1));
    const auto at = laidOut_.begin() + static_cast<std::ptrdiff_t>(first);
    laidOut_.erase(at, at + static_cast<std::ptrdiff_t>(count));
}

void RecentContactsModel::shiftedDown() {
    // The laid-out texts move with their rows; only the new first row is laid out.
    if (!laidOut_.empty()) {
        laidOut_.pop_back();
        laidOut_.push_front({});
    }
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

const QStaticText& RecentContactsModel::staticText(const QModelIndex& index,
                                                   const QFont& font) const {
    if (font != laidOutFont_) {
        laidOut_.assign(rows_.size(), {});
        laidOutFont_ = font;
    }
    laidOut_.resize(rows_.size());
    std::optional<QStaticText>& cell =
        laidOut_[static_cast<std::size_t>(index.row())][static_cast<std::size_t>(index.column())];
    if (!cell) {
        cell.emplace(data(index).toString());
        cell->setTextFormat(Qt::PlainText);
        cell->setPerformanceHint(QStaticText::AggressiveCaching);
        cell->prepare(QTransform(), font);
    }
    return *cell;
}

} // namespace qv
