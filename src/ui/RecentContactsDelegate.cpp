#include "ui/RecentContactsDelegate.h"

#include "ui/RecentContactsModel.h"

#include <QPainter>

namespace qv {

namespace {
constexpr int kMargin = 3;
}

QSize RecentContactsDelegate::sizeHint(const QStyleOptionViewItem& option,
                                       const QModelIndex& index) const {
    const QSizeF text = model_.staticText(index, option.font).size();
    return {static_cast<int>(text.width()) + 2 * kMargin,
            QFontMetrics(option.font).height() + 2 * kMargin};
}

void RecentContactsDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    if (selected) {
        painter->fillRect(option.rect, option.palette.brush(QPalette::Highlight));
    }
    const QStaticText& text = model_.staticText(index, option.font);
    const QSizeF size = text.size();
    painter->save();
    painter->setClipRect(option.rect);
    painter->setFont(option.font);
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawStaticText(QPointF(option.rect.left() + kMargin,
                                    option.rect.top() + (option.rect.height() - size.height()) / 2),
                            text);
    painter->restore();
}

} // namespace qv
