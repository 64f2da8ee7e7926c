#include "ui/SuperCheckLine.h"

#include "platform/qt/QtText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>

namespace qv {
namespace {

// Marks the first call one edit away with a bar before it, so the two groups
// stay apart without a row of their own.
constexpr int kStartsOneEditRole = Qt::UserRole + 1;
constexpr int kBarRoom = 12;

class SeparatorDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        if (!index.data(kStartsOneEditRole).toBool()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem rest = option;
        rest.rect.setLeft(option.rect.left() + kBarRoom);
        QStyledItemDelegate::paint(painter, rest, index);
        painter->save();
        painter->setPen(option.palette.color(QPalette::WindowText));
        const int x = option.rect.left() + kBarRoom / 2;
        painter->drawLine(x, option.rect.top() + 2, x, option.rect.bottom() - 2);
        painter->restore();
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        if (index.data(kStartsOneEditRole).toBool()) {
            size.rwidth() += kBarRoom;
        }
        return size;
    }
};

} // namespace

SuperCheckLine::SuperCheckLine(QWidget* parent) : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    caption_ = new QLabel(QStringLiteral("Check"), this);
    caption_->setObjectName(QStringLiteral("lblCheck"));
    caption_->setAccessibleDescription(QStringLiteral("Check"));
    row->addWidget(caption_);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("lstCheck"));
    list_->setAccessibleName(QStringLiteral("Super check partial"));
    list_->setFlow(QListView::LeftToRight);
    list_->setWrapping(false);
    list_->setSpacing(2);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Chosen with Ctrl+Down and Ctrl+Up from the entry line; the Tab chain stays
    // as it was.
    list_->setFocusPolicy(Qt::NoFocus);
    list_->setItemDelegate(new SeparatorDelegate(list_));
    list_->setFixedHeight(list_->fontMetrics().height() + 2 * list_->frameWidth() + 8);
    row->addWidget(list_, 1);
    // One line high: the room above belongs to the contact list.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void SuperCheckLine::render(const SuperCheckState& s) {
    if (s.tooltip != shownTooltip_) {
        shownTooltip_ = s.tooltip;
        const QString tip = toQString(s.tooltip);
        caption_->setToolTip(tip);
        list_->setToolTip(tip);
        list_->setAccessibleDescription(tip);
    }
    if (s.line != shownLine_ || list_->count() != static_cast<int>(s.rows.size())) {
        shownLine_ = s.line;
        shownChosen_.reset();
        caption_->setAccessibleName(toQString(s.line));
        list_->clear();
        for (std::size_t i = 0; i < s.rows.size(); ++i) {
            const SuperCheckRow& r = s.rows[i];
            auto* item = new QListWidgetItem(toQString(r.call), list_);
            QFont font = list_->font();
            font.setStrikeOut(r.worked);
            font.setItalic(r.oneEdit);
            item->setFont(font);
            if (r.worked) {
                item->setForeground(list_->palette().color(QPalette::Disabled, QPalette::Text));
            }
            QString about = r.worked ? QStringLiteral("worked on this band") : QString();
            if (r.oneEdit) {
                about += (about.isEmpty() ? QString() : QStringLiteral(", ")) +
                         QStringLiteral("one edit away");
                item->setData(kStartsOneEditRole, i == 0 || !s.rows[i - 1].oneEdit);
            }
            item->setData(Qt::AccessibleDescriptionRole, about);
        }
    }
    if (s.chosen != shownChosen_) {
        shownChosen_ = s.chosen;
        if (s.chosen && *s.chosen < s.rows.size()) {
            list_->setCurrentRow(static_cast<int>(*s.chosen));
            list_->scrollToItem(list_->currentItem());
        } else {
            list_->clearSelection();
        }
    }
}

} // namespace qv
