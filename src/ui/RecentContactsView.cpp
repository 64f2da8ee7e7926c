#include "ui/RecentContactsView.h"

#include "ui/Accessible.h"

#include <QEvent>
#include <QHeaderView>
#include <QPainter>

namespace qv {

RecentContactsView::RecentContactsView(QWidget* parent) : QTreeView(parent) {
    registerAccessibleInterfaces(); // read as a table
    connect(header(), &QHeaderView::sectionResized, this, [this] { forgetPictures(); });
    connect(header(), &QHeaderView::sectionMoved, this, [this] { forgetPictures(); });
}

void RecentContactsView::forgetPictures() const {
    pictures_.clear();
}

void RecentContactsView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange ||
        event->type() == QEvent::StyleChange) {
        forgetPictures();
    }
    QTreeView::changeEvent(event);
}

void RecentContactsView::resizeEvent(QResizeEvent* event) {
    forgetPictures();
    QTreeView::resizeEvent(event);
}

void RecentContactsView::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    // What the row shows and how: its texts, selection, focus and place.
    QString key = QString::number(static_cast<int>(option.state)) + QLatin1Char('|') +
                  QString::number(option.rect.width()) + QLatin1Char('|') +
                  QString::number(option.rect.height()) + QLatin1Char('|') +
                  QString::number(horizontalOffset()) + QLatin1Char('|') +
                  QString::number(currentIndex().row() == index.row() && hasFocus());
    const QAbstractItemModel* m = model();
    for (int c = 0; c < m->columnCount(); ++c) {
        key += QLatin1Char('\t') + m->index(index.row(), c).data().toString();
    }
    auto found = pictures_.constFind(key);
    if (found == pictures_.constEnd()) {
        const qreal ratio = devicePixelRatioF();
        QPixmap picture(option.rect.size() * ratio);
        picture.setDevicePixelRatio(ratio);
        picture.fill(viewport()->palette().color(viewport()->backgroundRole()));
        QPainter onPicture(&picture);
        onPicture.translate(-option.rect.topLeft());
        onPicture.setFont(painter->font());
        QTreeView::drawRow(&onPicture, option, index);
        onPicture.end();
        if (pictures_.size() >= kKeptPictures) {
            pictures_.clear();
        }
        found = pictures_.insert(key, picture);
    }
    painter->drawPixmap(option.rect.topLeft(), *found);
}

} // namespace qv
