#include "gui/start_options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <ctime>

#include "gui/dialog_units.h"
#include "gui/qt_text.h"
#include "ui/loadsave.h"
#include "ui/run.h"

namespace {

struct Toggle {
  int id;
  const char* text;
  int x, y, width;
};

// Each group's radio buttons, in dialog units of the dialog.
struct Group {
  const char* title;
  int x, y, width, height;
  std::vector<Toggle> radios;
};

const Group kGroups[] = {
    {"Véletlenszerű jelzések", 7, 4, 140, 36,
     {{kSignalsNone, "Nincs hatás", 13, 14, 64},
      {kSignalsMild, "Enyhe hatás", 80, 14, 64},
      {kSignalsMedium, "Közepes hatás", 13, 25, 64},
      {kSignalsStrong, "Erős hatás", 80, 25, 64}}},
    {"Tapadás", 7, 42, 140, 36,
     {{kAdhesionNone, "Nincs hatás", 13, 52, 64},
      {kAdhesionRandom, "Véletlenszerű", 80, 52, 64},
      {kAdhesionGood, "Jó tapadás", 13, 63, 64},
      {kAdhesionBad, "Rossz tapadás", 80, 63, 64}}},
    {"Menetrend", 7, 80, 140, 56,
     {{kTimetableDefault, "Alapértelmezett", 13, 90, 66},
      {kTimetableCustom, "Egyéni (óó.pp)", 13, 112, 66},
      {kTimetableRandom, "Véletlenszerű", 13, 101, 66},
      {kTimetableRealTime, "Valós idejű", 82, 90, 60}}},
    {"Alternatív vágányút", 156, 4, 140, 58,
     {{kStaticKeep, "Álló vonatok fönnhagyása", 162, 27, 130},
      {kStaticRemove, "Álló vonatok eltávolítása", 162, 38, 130},
      {kStaticMove, "Álló vonatok áthelyezése", 162, 49, 130}}},
};

const Toggle kCheckBoxes[] = {
    {kIdLooseTimetable, "Menetrend lazítása", 13, 123, 130},
    {kIdTilting, "Vonat bedöntése", 158, 65, 138},
    {kIdSignalDistances, "Jelzőtávolságok", 158, 75, 138},
    {kIdRandomTrackQuality, "Véletlenszerű pályaminőség", 158, 85, 138},
    {kIdRandomDwell, "Véletlenszerű minimális tartózkodás", 158, 95, 138},
    {kIdRandomTraffic, "Véletlenszerű állomási forgalom", 158, 105, 138},
    {kIdRandomStart, "Véletlenszerű kezdőpont", 158, 115, 138},
    {kIdDeveloperMode, "Fejlesztői mód", 158, 125, 138},
    {kIdShowErrors, "Pályahibák mutatása", 158, 135, 138},
};

struct ActionButton {
  int id;
  const char* text;
  int x, width;
};
const ActionButton kButtons[] = {
    {kRunLaunch, "Kavo indítása", 7, 68},
    {kRunCreate, "Csak létrehozás", 80, 68},
    {kRunChart, "Technikai diagram", 153, 70},
    {kRunCancel, "Mégse", 228, 68},
};

QByteArray Id(int id) { return QByteArray::number(id); }

}  // namespace

StartOptionsDialog::StartOptionsDialog(const StartOptionsForm& form, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("630"));
  setWindowTitle(tr("Indítási beállítások"));
  DialogUnits units(this);
  setFixedSize(units.Size(303, 170));

  // "Menetrend lazítása" sits inside the timetable group, so it is placed
  // relative to the group box like the group's radio buttons.
  QGroupBox* timetable = nullptr;
  for (const Group& g : kGroups) {
    QRect box = units.Rect(g.x, g.y, g.width, g.height);
    auto* group = Place(new QGroupBox(tr(g.title), this), box);
    for (const Toggle& t : g.radios) {
      auto* radio = new QRadioButton(tr(t.text), group);
      Place(radio, units.Rect(t.x, t.y, t.width, 10).translated(-box.topLeft()), Id(t.id).constData());
      toggles_[t.id] = radio;
    }
    if (g.radios.front().id == kTimetableDefault) {
      start_time_ = Place(new QLineEdit(group), units.Rect(82, 111, 30, 12).translated(-box.topLeft()),
                          Id(kIdStartTime).constData());
      timetable = group;
    }
    if (g.radios.front().id == kStaticKeep) {
      Place(new QLabel(tr("Esély %"), group), units.Rect(162, 15, 30, 8).translated(-box.topLeft()));
      chance_ = Place(new QLineEdit(group), units.Rect(194, 13, 28, 12).translated(-box.topLeft()),
                      Id(kIdChance).constData());
    }
  }
  for (const Toggle& t : kCheckBoxes) {
    QWidget* parentWidget = t.id == kIdLooseTimetable ? static_cast<QWidget*>(timetable) : this;
    QPoint origin = parentWidget == this ? QPoint() : parentWidget->geometry().topLeft();
    auto* box = new QCheckBox(tr(t.text), parentWidget);
    Place(box, units.Rect(t.x, t.y, t.width, 10).translated(-origin), Id(t.id).constData());
    toggles_[t.id] = box;
  }

  signal_systems_ = Place(new QComboBox(this), units.Rect(7, 139, 95, 12), Id(kIdSignalSystem).constData());
  auto* info = Place(new QPushButton(tr("Infó ->"), this), units.Rect(105, 138, 42, 14),
                     Id(kIdSignalSystemInfo).constData());
  info->setAutoDefault(false);
  connect(info, &QPushButton::clicked, this, &StartOptionsDialog::ShowSignalSystemInfo);

  for (const ActionButton& b : kButtons) {
    auto* button = Place(new QPushButton(tr(b.text), this), units.Rect(b.x, 153, b.width, 14), Id(b.id).constData());
    button->setDefault(b.id == kRunLaunch);
    button->setAutoDefault(b.id == kRunLaunch);
    const int result = b.id;
    connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
  }

  for (auto& [id, toggle] : toggles_) toggle->setChecked(form.checked.count(id) > 0);
  chance_->setText(QString::fromStdString(form.chance));
  start_time_->setText(QString::fromStdString(form.start_time));
  signal_system_names_ = form.signal_systems;
  for (const std::string& name : form.signal_systems) signal_systems_->addItem(FromFileText(name));
  signal_systems_->setCurrentIndex(form.signal_system);
}

StartOptionsForm StartOptionsDialog::form() const {
  StartOptionsForm form;
  for (const auto& [id, toggle] : toggles_)
    if (toggle->isChecked()) form.checked.insert(id);
  form.chance = chance_->text().toStdString();
  form.start_time = start_time_->text().toStdString();
  form.signal_systems = signal_system_names_;
  form.signal_system = signal_systems_->currentIndex();
  return form;
}

void StartOptionsDialog::ShowSignalSystemInfo() {
  std::string caption, text;
  if (SignalSystemInfoBox(form(), &caption, &text))
    QMessageBox::information(this, FromFileText(caption), FromFileText(text));
}

int StartOptionsDialog::Run(QWidget* parent) {
  StartOptionsDialog dialog(OpenStartOptions(), parent);
  const int result = dialog.exec();
  return FinishStartOptions(result, dialog.form(), std::time(nullptr));
}
