#include "gui/dialog_units.h"

#include <QFontMetrics>

DialogUnits::DialogUnits(const QWidget* dialog) {
  QFontMetrics metrics(dialog->font());
  // The average width of the 52 letters, rounded.
  int letters = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  base_x_ = (letters / 26 + 1) / 2;
  base_y_ = metrics.height();
}

QRect DialogUnits::Rect(int x, int y, int width, int height) const {
  return QRect(x * base_x_ / 4, y * base_y_ / 8, width * base_x_ / 4, height * base_y_ / 8);
}

QSize DialogUnits::Size(int width, int height) const { return QSize(width * base_x_ / 4, height * base_y_ / 8); }
