#include "gui/info_dialogs.h"

#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

#include "gui/dialog_units.h"
#include "gui/pictures.h"
#include "gui/qt_text.h"
#include "ui/loadsave.h"
#include "ui/window_layout.h"

const QRect TrainInfoDialog::kTrainPlace(kTrainPicturePlace.x, kTrainPicturePlace.y, kTrainPicturePlace.width,
                                         kTrainPicturePlace.height);
const QRect TrainInfoDialog::kPanelPlace(kPanelPicturePlace.x, kPanelPicturePlace.y, kPanelPicturePlace.width,
                                         kPanelPicturePlace.height);

namespace {

// The read-only description fields are painted white.
QPlainTextEdit* DescriptionField(QWidget* parent, const QString& text) {
  auto* field = new QPlainTextEdit(parent);
  field->setReadOnly(true);
  field->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QPalette palette = field->palette();
  palette.setColor(QPalette::Base, Qt::white);
  field->setPalette(palette);
  field->setPlainText(text);
  return field;
}

QPushButton* CloseButton(QDialog* dialog, const QRect& rect) {
  auto* button = Place(new QPushButton(QDialog::tr("&Bezár"), dialog), rect, "1");
  button->setDefault(true);
  QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::accept);
  return button;
}

}  // namespace

RouteInfoDialog::RouteInfoDialog(const RouteInfo& info, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("600"));
  setWindowTitle(tr("Pálya információ"));
  DialogUnits units(this);
  setFixedSize(units.Size(300, 140));
  Place(new QLabel(FromFileText(info.name), this), units.Rect(7, 7, 286, 10), "602");
  Place(new QLabel(FromFileText(info.train), this), units.Rect(7, 19, 286, 10), "603");
  Place(DescriptionField(this, FromFileText(info.description)), units.Rect(7, 31, 286, 86), "601");
  CloseButton(this, units.Rect(243, 121, 50, 14));
}

void RouteInfoDialog::Run(QWidget* parent) {
  RouteInfo info;
  GetRouteInfo(&info);
  RouteInfoDialog(info, parent).exec();
}

TrainInfoDialog::TrainInfoDialog(const TrainInfo& info, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("620"));
  setWindowTitle(tr("Jármű információ"));
  DialogUnits units(this);
  const QSize size = units.Size(270, 200);
  setFixedSize(size);
  Place(new QLabel(FromPath(info.name), this), QRect(kTrainPlace.left(), 12, kTrainPlace.width(), 20), "623");
  QRect button = units.Rect(213, 181, 50, 14);
  // The description goes below the panel picture, above the button.
  const int top = kPanelPlace.bottom() + 9;
  Place(DescriptionField(this, FromFileText(info.description)),
        QRect(kPanelPlace.left(), top, size.width() - 2 * kPanelPlace.left(), button.top() - 6 - top), "621");
  CloseButton(this, button);
  train_ = LoadPicture({info.train_picture}, kTrainPlace.size());
  panel_ = LoadPicture(info.panel_pictures, kPanelPlace.size());
}

void TrainInfoDialog::Run(QWidget* parent) {
  TrainInfoDialog(ReadTrainInfo(global.trainfolder, global.trainname), parent).exec();
}

void TrainInfoDialog::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter painter(this);
  if (!train_.isNull()) painter.drawPixmap(kTrainPlace.topLeft(), train_);
  if (!panel_.isNull()) painter.drawPixmap(kPanelPlace.topLeft(), panel_);
}
