#ifndef LINEWRIGHT_GUI_INFO_DIALOGS_H
#define LINEWRIGHT_GUI_INFO_DIALOGS_H

#include <QDialog>
#include <QPixmap>

#include "ui/route_info.h"
#include "ui/train_info.h"

// Dialog 600, "Pálya információ": the route's name (602), default train
// (603) and description (601).
class RouteInfoDialog : public QDialog {
  Q_OBJECT

 public:
  RouteInfoDialog(const RouteInfo& info, QWidget* parent = nullptr);
  // For the route chosen in `global`.
  static void Run(QWidget* parent);
};

// Dialog 620, "Jármű információ": the train's name (623), its "train.txt"
// (621), and its two pictures: the train at (194, 40) as 202 x 129 pixels,
// the cab panel at (9, 9) as 176 x 160.
class TrainInfoDialog : public QDialog {
  Q_OBJECT

 public:
  TrainInfoDialog(const TrainInfo& info, QWidget* parent = nullptr);
  // For the train chosen in `global`.
  static void Run(QWidget* parent);

  // Null where the picture could not be loaded.
  const QPixmap& trainPicture() const { return train_; }
  const QPixmap& panelPicture() const { return panel_; }

  static const QRect kTrainPlace;
  static const QRect kPanelPlace;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap train_;
  QPixmap panel_;
};

#endif
