#ifndef LINEWRIGHT_GUI_DIALOG_UNITS_H
#define LINEWRIGHT_GUI_DIALOG_UNITS_H

#include <QRect>
#include <QString>
#include <QWidget>

// Places dialogs laid out in dialog units: a horizontal unit is a quarter
// of the dialog font's average character width, a vertical one an eighth
// of its height, so a layout fits its texts whatever the font.
class DialogUnits {
 public:
  explicit DialogUnits(const QWidget* dialog);
  QRect Rect(int x, int y, int width, int height) const;
  QSize Size(int width, int height) const;

 private:
  int base_x_;
  int base_y_;
};

// Gives `widget` its place (in the coordinates of its parent) and its
// control id as object name; returns it.
template <typename W>
W* Place(W* widget, const QRect& rect, const char* id = nullptr) {
  widget->setGeometry(rect);
  if (id != nullptr) widget->setObjectName(QString::fromLatin1(id));
  return widget;
}

#endif
