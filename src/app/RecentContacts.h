#pragma once

// The recent-contacts list ListView1: its rows, its "last 20"/"all" mode, the
// row chosen in it, and the changes a view follows row by row.

#include "core/ContestLog.h"
#include "core/LogListRow.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace qv {

// Told of every change of the rows, before and after it, so that a view can move
// its rows instead of rebuilding them.
class RecentContactsObserver {
public:
    virtual ~RecentContactsObserver() = default;
    virtual void beginReset() = 0;
    virtual void endReset() = 0;
    virtual void beginInsert(std::size_t first, std::size_t count) = 0;
    virtual void endInsert() = 0;
    virtual void beginRemove(std::size_t first, std::size_t count) = 0;
    virtual void endRemove() = 0;
    // The rows moved down by one place, the first row new and the last gone; how
    // many rows there are did not change.
    virtual void shiftedDown() = 0;
};

class RecentContacts {
public:
    static constexpr std::size_t kLastCount = 20;

    bool showAll = false; // "all" mode; "last 20" initially

    const std::vector<ListRow>& rows() const { return rows_; }
    std::size_t size() const { return rows_.size(); }
    bool empty() const { return rows_.empty(); }
    // The column of the last heading click, shown as the sort indicator until the
    // list is rebuilt; -1 for the list's own order.
    int sortColumn() const { return sortColumn_; }

    // The row chosen (clicked or moved to), if any, and the record it shows.
    std::optional<std::size_t> chosenRow() const { return chosen_; }
    void choose(std::optional<std::size_t> row);
    std::optional<std::size_t> chosenRecord() const;

    // Newest at the top: all records, or the last 20.
    void rebuild(const ContestLog& log);
    // After a contact was appended to the log: the same rows as a rebuild, made by
    // adding the new row at the top (and dropping the oldest in "last 20" mode).
    void appended(const ContestLog& log);
    void clear();
    void add(ListRow row);
    // Sorts the rows once by the column's text, ascending ("10" before "9").
    void sortBy(int column);

    void setObserver(RecentContactsObserver* observer) { observer_ = observer; }

private:
    void reset(std::vector<ListRow> rows, int sortColumn);

    std::vector<ListRow> rows_;
    int sortColumn_ = -1;
    std::optional<std::size_t> chosen_;
    // The rows are what a rebuild of the log gives, with this many records in it;
    // only then can an append be shown by moving rows.
    std::optional<std::size_t> rebuiltFor_;
    RecentContactsObserver* observer_ = nullptr;
};

} // namespace qv
