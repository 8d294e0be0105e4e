#include "gui/route_item_delegate.h"

#include <QPainter>
#include <QStyle>

#include "ui/window_layout.h"

void RouteItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
  painter->save();
  const QRect rect = option.rect;
  painter->fillRect(rect, index.data(Qt::BackgroundRole).value<QColor>());
  painter->setClipRect(rect);
  painter->setPen(Qt::black);
  painter->setFont(option.font);
  const int textTop = rect.top() + (rect.height() - option.fontMetrics.height()) / 2;
  painter->drawText(QRect(rect.left() + kRouteItemIndent, textTop, rect.width() - kRouteItemIndent, option.fontMetrics.height()),
                    Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, index.data(Qt::DisplayRole).toString());
  if (option.state & QStyle::State_Selected) {
    // A dotted frame, as a focus rectangle is drawn.
    painter->setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter->drawRect(rect.adjusted(0, 0, -1, -1));
  }
  painter->restore();
}

QSize RouteItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  return QSize(QStyledItemDelegate::sizeHint(option, index).width(), kRouteItemHeight);
}
