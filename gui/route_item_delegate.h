#ifndef LINEWRIGHT_GUI_ROUTE_ITEM_DELEGATE_H
#define LINEWRIGHT_GUI_ROUTE_ITEM_DELEGATE_H

#include <QStyledItemDelegate>

// Draws the route list's entries: each on its own background colour (the
// item's background role), the text 2 pixels from the left and centred
// vertically, 16 pixels high; a selected entry gets a focus rectangle
// instead of a highlight colour.
class RouteItemDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

#endif
