#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "gui/info_dialogs.h"
#include "gui/settings_dialogs.h"
#include "gui/start_options_dialog.h"
#include "gui_test_support.h"
#include "platform/files.h"
#include "sigsys/sigsys.h"
#include "ui/loadsave.h"

class DialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void startOptionsControlsCarryTheirIdsAndTexts();
  void startOptionsShowAndStoreTheSettings();
  void cancellingTheStartOptionsStoresNothing();
  void folderSettingsKeepAnEmptiedFolderAndDropASeparator();
  void routeInfoShowsTheFileTexts();
  void trainInfoFallsBackToPanelAndLeavesBadPicturesBlank();

 private:
  std::unique_ptr<SampleInstallation> sample_;
};

namespace {

template <typename W>
W* Child(QWidget* parent, int id) {
  W* child = parent->findChild<W*>(QString::number(id));
  if (child == nullptr) qFatal("no control %d", id);
  return child;
}

bool WritePicture(const std::string& path, QColor colour) {
  QImage image(32, 24, QImage::Format_RGB32);
  image.fill(colour);
  return image.save(QString::fromStdString(path), "BMP");
}

// A bitmap header that claims 100000 x 100000 pixels.
void WriteHugePictureHeader(const std::string& path) {
  unsigned char header[54] = {'B', 'M'};
  auto put32 = [&header](int at, unsigned value) {
    for (int i = 0; i < 4; ++i) header[at + i] = static_cast<unsigned char>(value >> (8 * i));
  };
  put32(10, 54);
  put32(14, 40);
  put32(18, 100000);
  put32(22, 100000);
  header[26] = 1;
  header[28] = 24;
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<char*>(header), sizeof header);
}

}  // namespace

void DialogsTest::init() {
  sample_ = std::make_unique<SampleInstallation>();
  ResetGlobals();
  LoadConfig();
  sigsys = SignalSystem();
}

void DialogsTest::cleanup() { sample_.reset(); }

void DialogsTest::startOptionsControlsCarryTheirIdsAndTexts() {
  StartOptionsDialog dialog(OpenStartOptions());
  QCOMPARE(dialog.windowTitle(), QStringLiteral("Indítási beállítások"));
  const std::pair<int, const char*> controls[] = {
      {641, "Vonat bedöntése"}, {646, "Jelzőtávolságok"}, {643, "Infó ->"},
      {650, "Nincs hatás"}, {651, "Enyhe hatás"}, {652, "Közepes hatás"}, {656, "Erős hatás"},
      {653, "Nincs hatás"}, {654, "Véletlenszerű"}, {655, "Jó tapadás"}, {657, "Rossz tapadás"},
      {700, "Álló vonatok fönnhagyása"}, {701, "Álló vonatok eltávolítása"}, {702, "Álló vonatok áthelyezése"},
      {637, "Véletlenszerű pályaminőség"}, {638, "Véletlenszerű minimális tartózkodás"},
      {639, "Véletlenszerű állomási forgalom"}, {640, "Véletlenszerű kezdőpont"}, {631, "Fejlesztői mód"},
      {644, "Pályahibák mutatása"}, {710, "Alapértelmezett"}, {711, "Egyéni (óó.pp)"},
      {712, "Véletlenszerű"}, {713, "Valós idejű"}, {632, "Menetrend lazítása"},
      {1, "Kavo indítása"}, {2, "Mégse"}, {6, "Csak létrehozás"}, {7, "Technikai diagram"},
  };
  for (const auto& [id, text] : controls) QCOMPARE(Child<QAbstractButton>(&dialog, id)->text(), QString::fromUtf8(text));
  Child<QLineEdit>(&dialog, 645);
  Child<QLineEdit>(&dialog, 633);
  QCOMPARE(Child<QComboBox>(&dialog, 642)->currentText(), QStringLiteral("Kavo Default"));
}

void DialogsTest::startOptionsShowAndStoreTheSettings() {
  global.tilting = 1;
  global.adhesionmode = kAdhesionBad;
  global.alternativechance = 35;
  global.starttime = 59700;
  StartOptionsDialog dialog(OpenStartOptions());
  QVERIFY(Child<QCheckBox>(&dialog, 641)->isChecked());
  QVERIFY(!Child<QCheckBox>(&dialog, 646)->isChecked());
  QVERIFY(Child<QRadioButton>(&dialog, 657)->isChecked());
  QVERIFY(Child<QRadioButton>(&dialog, 650)->isChecked());
  QCOMPARE(Child<QLineEdit>(&dialog, 645)->text(), QStringLiteral("35"));
  QCOMPARE(Child<QLineEdit>(&dialog, 633)->text(), QStringLiteral("16.35"));

  Child<QCheckBox>(&dialog, 641)->click();
  Child<QRadioButton>(&dialog, 656)->click();
  Child<QLineEdit>(&dialog, 645)->clear();
  QTest::keyClicks(Child<QLineEdit>(&dialog, 645), QStringLiteral("250"));
  QVERIFY(AcceptStartOptions(dialog.form(), 0));
  QCOMPARE(global.tilting, 0);
  QCOMPARE(global.signalmode, int(kSignalsStrong));
  QCOMPARE(global.adhesionmode, int(kAdhesionBad));
  QCOMPARE(global.alternativechance, 100);
}

void DialogsTest::cancellingTheStartOptionsStoresNothing() {
  int kind = 0;
  AnswerModal("2", [](QWidget* dialog) { Child<QCheckBox>(dialog, 631)->click(); },
              [&kind] { kind = StartOptionsDialog::Run(nullptr); });
  QCOMPARE(kind, 2);
  QCOMPARE(global.developermode, 0);
  QVERIFY(!platform::IsRegularFile(kConfigFileName));
  AnswerModal("7", [](QWidget* dialog) { Child<QCheckBox>(dialog, 631)->click(); },
              [&kind] { kind = StartOptionsDialog::Run(nullptr); });
  QCOMPARE(kind, 7);
  QCOMPARE(global.developermode, 1);
  QVERIFY(platform::IsRegularFile(kConfigFileName));
}

void DialogsTest::folderSettingsKeepAnEmptiedFolderAndDropASeparator() {
  const std::string route = global.routefolder;
  const std::string trains = sample_->Path("kavo/train");
  int result = 0;
  AnswerModal("405",
              [&trains](QWidget* dialog) {
                QCOMPARE(Child<QLineEdit>(dialog, 404)->text(), QStringLiteral("kavo.exe"));
                Child<QLineEdit>(dialog, 402)->clear();
                Child<QLineEdit>(dialog, 403)->setText(QString::fromStdString(trains + "\\"));
              },
              [&result] { result = FolderSettingsDialog::Run(nullptr); });
  QCOMPARE(result, 405);
  QCOMPARE(global.routefolder, route);
  QCOMPARE(global.trainfolder, trains);
}

void DialogsTest::routeInfoShowsTheFileTexts() {
  RouteInfo info;
  info.name = "Ny\xEDregyh\xE1za - Debrecen";  // Windows-1250, as the simulator's files are
  info.description = "Els\xF5 sor\r\nm\xE1sodik";
  RouteInfoDialog dialog(info);
  QCOMPARE(dialog.windowTitle(), QStringLiteral("Pálya információ"));
  QCOMPARE(Child<QLabel>(&dialog, 602)->text(), QStringLiteral("Nyíregyháza - Debrecen"));
  QCOMPARE(Child<QLabel>(&dialog, 603)->text(), QStringLiteral("Alapértelmezett vonat nem elérhető"));
  QCOMPARE(Child<QPlainTextEdit>(&dialog, 601)->toPlainText(), QStringLiteral("Első sor\nmásodik"));
}

void DialogsTest::trainInfoFallsBackToPanelAndLeavesBadPicturesBlank() {
  const std::string folder = sample_->Path("kavo/train/Test");
  std::filesystem::create_directories(folder);
  QVERIFY(WritePicture(folder + "/Panel.BMP", Qt::green));
  std::ofstream(folder + "/panel2.bmp") << "not a picture";
  WriteHugePictureHeader(folder + "/train.bmp");
  TrainInfoDialog dialog(ReadTrainInfo(sample_->Path("kavo/train"), "Test"));
  QCOMPARE(dialog.windowTitle(), QStringLiteral("Jármű információ"));
  QCOMPARE(Child<QLabel>(&dialog, 623)->text(), QStringLiteral("Test"));
  QVERIFY(dialog.trainPicture().isNull());
  QCOMPARE(dialog.panelPicture().size(), QSize(176, 160));
  QCOMPARE(dialog.panelPicture().toImage().pixelColor(80, 80), QColor(Qt::green));
  QCOMPARE(Child<QPlainTextEdit>(&dialog, 621)->toPlainText(), QString());
}

int RunDialogsTest(int argc, char** argv) {
  DialogsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "dialogs_test.moc"
