#include "gui/settings_dialogs.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "gui/dialog_units.h"
#include "gui/qt_text.h"
#include "ui/about.h"

namespace {

QPushButton* ResultButton(QDialog* dialog, const QString& text, const QRect& rect, int result) {
  auto* button = Place(new QPushButton(text, dialog), rect, QByteArray::number(result).constData());
  QObject::connect(button, &QPushButton::clicked, dialog, [dialog, result] { dialog->done(result); });
  return button;
}

}  // namespace

FolderSettingsDialog::FolderSettingsDialog(const FolderForm& form, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("400"));
  setWindowTitle(tr("Linewright beállítása"));
  DialogUnits units(this);
  setFixedSize(units.Size(265, 114));

  struct Row {
    const char* label;
    int label_y, label_height, field_y;
    const std::string* value;
    const char* id;
  } rows[] = {
      {"Kavo könyvtár", 9, 8, 7, &form.simfolder, "401"},
      {"Pálya könyvtár", 25, 8, 23, &form.routefolder, "402"},
      {"Jármű könyvtár", 41, 8, 39, &form.trainfolder, "403"},
      {"Kavo futtatható\nállomány", 53, 16, 55, &form.simexe, "404"},
  };
  for (int i = 0; i < 4; ++i) {
    Place(new QLabel(tr(rows[i].label), this), units.Rect(7, rows[i].label_y, 62, rows[i].label_height));
    fields_[i] = Place(new QLineEdit(FromPath(*rows[i].value), this), units.Rect(70, rows[i].field_y, 188, 12),
                       rows[i].id);
  }
  Place(new QLabel(tr("Például:\nC:\\Program Files\\Kavo\nC:\\Program Files\\Kavo\\Railway\\Route\n"
                      "C:\\Program Files\\Kavo\\Train\nkavo.exe"),
                   this),
        units.Rect(7, 72, 190, 40));
  ResultButton(this, tr("&Mentés"), units.Rect(208, 76, 50, 14), kFolderSettingsSaved)->setDefault(true);
  ResultButton(this, tr("&Mégse"), units.Rect(208, 94, 50, 14), kFolderSettingsCancelled);
}

FolderForm FolderSettingsDialog::form() const {
  return {ToPath(fields_[0]->text()), ToPath(fields_[1]->text()), ToPath(fields_[2]->text()),
          ToPath(fields_[3]->text())};
}

int FolderSettingsDialog::Run(QWidget* parent) {
  FolderSettingsDialog dialog(OpenFolderSettings(), parent);
  const int result = dialog.exec();
  return FinishFolderSettings(result, dialog.form());
}

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("200"));
  setWindowTitle(tr("A programról"));
  DialogUnits units(this);
  setFixedSize(units.Size(151, 110));
  auto* text = Place(new QLabel(QString::fromStdString(AboutText()), this), units.Rect(7, 7, 137, 76));
  text->setWordWrap(true);
  text->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  auto* ok = Place(new QPushButton(tr("&OK"), this), units.Rect(50, 89, 50, 14), "1");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
