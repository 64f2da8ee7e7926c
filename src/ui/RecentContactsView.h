#pragma once

#include <QHash>
#include <QPixmap>
#include <QTreeView>

namespace qv {

// The recent-contacts list. After each contact every row moves down one place;
// a row's picture is kept (by what the row shows, its state and the column
// widths), so moving it is a copy of pixels, and only the new row is drawn.
class RecentContactsView : public QTreeView {
    Q_OBJECT
public:
    explicit RecentContactsView(QWidget* parent = nullptr);

protected:
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void forgetPictures() const;

    static constexpr int kKeptPictures = 64;
    mutable QHash<QString, QPixmap> pictures_;
};

} // namespace qv
