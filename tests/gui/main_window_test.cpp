#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "gui/main_window.h"
#include "gui_test_support.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "sigsys/sigsys.h"
#include "ui/loadsave.h"

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void selectNeedsARouteAndATrainThenCreateOnlyWritesTheRoute();
  void cancelledFolderSettingsRefillTheLists();

 private:
  void Click(QListWidget* list, const QString& text);
  QStringList Entries(QListWidget* list) const;

  std::unique_ptr<SampleInstallation> sample_;
  std::unique_ptr<MainWindow> window_;
  platform::RecordingMessageSink messages_;
  platform::MessageSink* previous_ = nullptr;
  QListWidget* routes_ = nullptr;
  QListWidget* trains_ = nullptr;
  QPushButton* select_ = nullptr;
};

void MainWindowTest::init() {
  sample_ = std::make_unique<SampleInstallation>();
  previous_ = platform::SetMessageSink(&messages_);
  messages_.errors.clear();
  ResetGlobals();
  global.simfolder = sample_->Path("kavo");
  global.routefolder = sample_->Path("kavo/railway/route");
  global.trainfolder = sample_->Path("kavo/train");
  global.simexe = "kavo.exe";
  global.browsefolder = global.routefolder;
  global.outroutepath = OutRoutePath(global.routefolder);
  sigsys = SignalSystem();
  sigsys.name = kDefaultSignalSystem;
  window_ = std::make_unique<MainWindow>();
  window_->show();
  routes_ = window_->findChild<QListWidget*>(QStringLiteral("300"));
  trains_ = window_->findChild<QListWidget*>(QStringLiteral("301"));
  select_ = window_->findChild<QPushButton*>(QStringLiteral("302"));
  QVERIFY(routes_ && trains_ && select_);
}

void MainWindowTest::cleanup() {
  window_.reset();
  platform::SetMessageSink(previous_);
  sample_.reset();
}

void MainWindowTest::Click(QListWidget* list, const QString& text) {
  const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
  QVERIFY2(!found.isEmpty(), qPrintable(text));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.front()).center());
}

QStringList MainWindowTest::Entries(QListWidget* list) const {
  QStringList entries;
  for (int i = 0; i < list->count(); ++i) entries << list->item(i)->text();
  return entries;
}

void MainWindowTest::selectNeedsARouteAndATrainThenCreateOnlyWritesTheRoute() {
  QCOMPARE(window_->findChild<QLabel*>(QStringLiteral("303"))->text(), QString::fromStdString(global.routefolder));
  QCOMPARE(Entries(routes_), (QStringList{"  (..)", "  (Hill Line)", "  (Scripted)", "  (Starter)", "  (Valley Line)"}));
  QCOMPARE(Entries(trains_), (QStringList{"Blue Arrow", "Red Hauler"}));
  Click(routes_, QStringLiteral("  (Starter)"));
  QCOMPARE(Entries(routes_), (QStringList{"  (..)", "starter.csv", "starter.rw", "starter.scr"}));
  Click(routes_, QStringLiteral("starter.csv"));
  QCOMPARE(routes_->item(1)->background().color(), QColor(225, 255, 193));
  QVERIFY(!select_->isEnabled());
  Click(trains_, QStringLiteral("Red Hauler"));
  QVERIFY(select_->isEnabled());

  const std::string written = global.outroutepath;
  QVERIFY(!platform::IsRegularFile(written));
  AnswerModal("6", [](QWidget* dialog) { QCOMPARE(dialog->objectName(), QStringLiteral("630")); },
              [this] { select_->click(); });
  QVERIFY2(messages_.errors.empty(), messages_.errors.empty() ? "" : messages_.errors.front().c_str());
  QVERIFY(platform::IsRegularFile(written));
  QVERIFY(window_->isVisible());
  QVERIFY(window_->findChild<QProgressBar*>() == nullptr);
  QVERIFY(select_->isEnabled());

  // A folder entry turns Select off and keeps the chosen file.
  Click(routes_, QStringLiteral("  (..)"));
  QVERIFY(!select_->isEnabled());
  QCOMPARE(global.routefile, std::string("starter.csv"));
}

void MainWindowTest::cancelledFolderSettingsRefillTheLists() {
  Click(routes_, QStringLiteral("  (Starter)"));
  Click(routes_, QStringLiteral("starter.rw"));
  Click(trains_, QStringLiteral("Red Hauler"));
  QAction* settings = window_->findChild<QAction*>(QStringLiteral("102"));
  QVERIFY(settings);
  AnswerModal("406", [](QWidget*) {}, [settings] { settings->trigger(); });
  QVERIFY(!select_->isEnabled());
  QCOMPARE(routes_->count(), 5);
  QCOMPARE(global.browsefolder, global.routefolder);
}

int RunMainWindowTest(int argc, char** argv) {
  MainWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "main_window_test.moc"
