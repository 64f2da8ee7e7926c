#include "ui/RecentContactsAccessible.h"

#include "ui/RecentContactsView.h"

#include <algorithm>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPointer>

namespace qv {
namespace {

class ListTable;

// One cell of the list, or (row -1) the header of a column.
class ListCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    ListCell(RecentContactsView* view, ListTable* table, int row, int column)
        : view_(view), table_(table), row_(row), column_(column) {}

    bool isValid() const override {
        return view_ && view_->model() && row_ < view_->model()->rowCount() &&
               column_ < view_->model()->columnCount();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !isValid()) {
            return {};
        }
        if (row_ < 0) {
            return view_->model()->headerData(column_, Qt::Horizontal).toString();
        }
        return view_->model()->index(row_, column_).data().toString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) {
            return {};
        }
        if (row_ < 0) {
            QHeaderView* header = view_->header();
            const QPoint at(header->sectionViewportPosition(column_), 0);
            return {header->mapToGlobal(at), QSize(header->sectionSize(column_), header->height())};
        }
        const QRect r = view_->visualRect(view_->model()->index(row_, column_));
        return {view_->viewport()->mapToGlobal(r.topLeft()), r.size()};
    }
    QAccessible::Role role() const override {
        return row_ < 0 ? QAccessible::ColumnHeader : QAccessible::Cell;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (row_ < 0 || !isValid()) {
            return s;
        }
        s.selectable = true;
        s.focusable = true;
        s.selected = isSelected();
        const QModelIndex current = view_->currentIndex();
        s.focused = view_->hasFocus() && current.row() == row_ && current.column() == column_;
        s.invisible = !view_->viewport()->rect().intersects(
            view_->visualRect(view_->model()->index(row_, column_)));
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    // QAccessibleTableCellInterface
    bool isSelected() const override {
        return row_ >= 0 && isValid() && view_->selectionModel() &&
               view_->selectionModel()->isRowSelected(row_, QModelIndex());
    }
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

private:
    QPointer<RecentContactsView> view_;
    ListTable* table_;
    int row_;
    int column_;
};

// The list itself. Its children are numbered as Qt numbers those of its item
// views, so that the view's own focus and selection events name the right cell:
// the column headers first, then the cells row by row.
class ListTable : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit ListTable(RecentContactsView* view) : QAccessibleWidget(view, QAccessible::Table) {}
    ~ListTable() override { forgetCells(); }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableInterface) {
            return static_cast<QAccessibleTableInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(t);
    }

    int childCount() const override { return (rowCount() + 1) * columnCount(); }
    QAccessibleInterface* child(int index) const override {
        const int columns = columnCount();
        if (index < 0 || columns == 0 || index >= childCount()) {
            return nullptr;
        }
        return cell(index / columns - 1, index % columns);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child || child->parent() != this) {
            return -1;
        }
        const auto* c = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
        return c ? (c->rowIndex() + 1) * columnCount() + c->columnIndex() : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint at = view()->viewport()->mapFromGlobal(QPoint(x, y));
        const QModelIndex index = view()->indexAt(at);
        return index.isValid() ? cell(index.row(), index.column()) : nullptr;
    }

    // QAccessibleTableInterface
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) {
            return nullptr;
        }
        return cell(row, column);
    }
    int columnCount() const override { return model() ? model()->columnCount() : 0; }
    int rowCount() const override { return model() ? model()->rowCount() : 0; }
    QString columnDescription(int column) const override {
        return model() ? model()->headerData(column, Qt::Horizontal).toString() : QString();
    }
    QString rowDescription(int) const override { return {}; }
    int selectedCellCount() const override { return selectedRowCount() * columnCount(); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return static_cast<int>(selectedRows().size()); }
    QList<QAccessibleInterface*> selectedCells() const override {
        QList<QAccessibleInterface*> cells;
        for (int row : selectedRows()) {
            for (int c = 0; c < columnCount(); ++c) {
                cells << cell(row, c);
            }
        }
        return cells;
    }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override {
        QList<int> rows;
        if (QItemSelectionModel* s = view()->selectionModel()) {
            for (const QModelIndex& i : s->selectedRows()) {
                rows << i.row();
            }
        }
        std::sort(rows.begin(), rows.end());
        return rows;
    }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override {
        QItemSelectionModel* s = view()->selectionModel();
        return s && s->isRowSelected(row, QModelIndex());
    }
    bool selectRow(int row) override {
        if (row < 0 || row >= rowCount()) {
            return false;
        }
        view()->setCurrentIndex(model()->index(row, 0));
        return true;
    }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int row) override {
        QItemSelectionModel* s = view()->selectionModel();
        if (!s || row < 0 || row >= rowCount()) {
            return false;
        }
        s->select(model()->index(row, 0),
                  QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
        return true;
    }
    bool unselectColumn(int) override { return false; }
    // Rows move down with every new contact: the cells are made afresh.
    void modelChange(QAccessibleTableModelChangeEvent*) override { forgetCells(); }

    QAccessibleInterface* headerCell(int column) const { return cell(-1, column); }

private:
    RecentContactsView* view() const { return static_cast<RecentContactsView*>(widget()); }
    QAbstractItemModel* model() const { return view()->model(); }

    QAccessibleInterface* cell(int row, int column) const {
        const int key = (row + 1) * columnCount() + column;
        if (const auto it = cells_.constFind(key); it != cells_.constEnd()) {
            if (QAccessibleInterface* kept = QAccessible::accessibleInterface(*it)) {
                return kept;
            }
        }
        auto* made = new ListCell(view(), const_cast<ListTable*>(this), row, column);
        cells_.insert(key, QAccessible::registerAccessibleInterface(made));
        return made;
    }
    void forgetCells() {
        for (QAccessible::Id id : std::as_const(cells_)) {
            QAccessible::deleteAccessibleInterface(id);
        }
        cells_.clear();
    }

    mutable QHash<int, QAccessible::Id> cells_;
};

QWindow* ListCell::window() const {
    return table_->window();
}

QAccessibleInterface* ListCell::parent() const {
    return table_;
}

QAccessibleInterface* ListCell::table() const {
    return table_;
}

QList<QAccessibleInterface*> ListCell::columnHeaderCells() const {
    if (row_ < 0) {
        return {};
    }
    return {table_->headerCell(column_)};
}

} // namespace

QAccessibleInterface* recentContactsInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("qv::RecentContactsView")) {
        return new ListTable(static_cast<RecentContactsView*>(object));
    }
    return nullptr;
}

} // namespace qv
