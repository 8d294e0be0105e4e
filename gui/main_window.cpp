#include "gui/main_window.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QUrl>

#include "core/rteprocs.h"
#include "gui/dialog_units.h"
#include "gui/info_dialogs.h"
#include "gui/qt_sinks.h"
#include "gui/qt_text.h"
#include "gui/route_item_delegate.h"
#include "gui/settings_dialogs.h"
#include "gui/start_options_dialog.h"
#include "int2rte/int2tech.h"
#include "ui/loadsave.h"
#include "ui/route_list.h"
#include "ui/run.h"
#include "ui/version.h"
#include "ui/window_layout.h"

namespace {

QRect Rect(const PixelRect& place) { return QRect(place.x, place.y, place.width, place.height); }

QListWidget* ListBox(QWidget* parent, const QRect& rect, const char* id) {
  auto* list = Place(new QListWidget(parent), rect, id);
  list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list->setUniformItemSizes(true);
  return list;
}

int SelectedRow(const QListWidget* list) {
  const QList<QListWidgetItem*> selected = list->selectedItems();
  return selected.isEmpty() ? -1 : list->row(selected.front());
}

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
  setWindowTitle(QStringLiteral(LINEWRIGHT_PRODUCT));
  setFixedSize(kMainWindowWidth, kMainWindowHeight);
  open_chart_ = [](const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); };

  QMenu* menu = menuBar()->addMenu(tr("&Menü"));
  menu->setObjectName(QStringLiteral("100"));
  QAction* settings = menu->addAction(tr("&Beállítás"), this, &MainWindow::OpenFolderSettings);
  settings->setObjectName(QStringLiteral("102"));
  QAction* about = menu->addAction(tr("&A programról"), this, [this] { AboutDialog(this).exec(); });
  about->setObjectName(QStringLiteral("105"));
  QAction* quit = menu->addAction(tr("&Kilépés"), this, &QWidget::close);
  quit->setObjectName(QStringLiteral("101"));

  auto* client = new QWidget(this);
  setCentralWidget(client);
  label_ = Place(new QLabel(client), Rect(kFolderLabelPlace), "303");
  routes_ = ListBox(client, Rect(kRouteListPlace), "300");
  routes_->setItemDelegate(new RouteItemDelegate(routes_));
  trains_ = ListBox(client, Rect(kTrainListPlace), "301");
  select_ = Place(new QPushButton(tr("Select"), client), Rect(kSelectPlace), "302");
  select_->setDefault(true);
  select_->setEnabled(false);

  // Selection, not the current row: a list that gets the focus by the
  // keyboard moves its current row to the first entry without choosing it.
  connect(routes_, &QListWidget::itemSelectionChanged, this, [this] { RouteChosen(SelectedRow(routes_)); });
  connect(trains_, &QListWidget::itemSelectionChanged, this, [this] { TrainChosen(SelectedRow(trains_)); });
  connect(routes_, &QListWidget::itemDoubleClicked, this, [this] {
    if (state_.RouteInfoAvailable()) RouteInfoDialog::Run(this);
  });
  connect(trains_, &QListWidget::itemDoubleClicked, this, [this] { TrainInfoDialog::Run(this); });
  connect(select_, &QPushButton::clicked, this, &MainWindow::StartRun);

  const std::string unlisted = state_.FillLists();
  ShowRoutes();
  ShowTrains();
  // Said once the window is up, so the box has the window as its owner.
  if (!unlisted.empty()) QTimer::singleShot(0, this, [unlisted] { ReportUnlistedFolder(unlisted); });
}

void MainWindow::ShowRoutes() {
  QSignalBlocker blocker(routes_);
  routes_->clear();
  for (const std::string& entry : state_.routes()) {
    auto* item = new QListWidgetItem(FromPath(entry), routes_);
    Rgb colour = EntryBackground(entry);
    item->setBackground(QColor(colour.red, colour.green, colour.blue));
  }
  routes_->setCurrentRow(state_.routeSelection());
  label_->setText(FromPath(state_.folderLabel()));
  select_->setEnabled(state_.SelectEnabled());
}

void MainWindow::ShowTrains() {
  QSignalBlocker blocker(trains_);
  trains_->clear();
  for (const std::string& name : state_.trains()) trains_->addItem(FromPath(name));
  trains_->setCurrentRow(state_.trainSelection());
  select_->setEnabled(state_.SelectEnabled());
}

void MainWindow::RouteChosen(int row) {
  if (state_.ChooseRoute(row)) ShowRoutes();
  select_->setEnabled(state_.SelectEnabled());
}

void MainWindow::TrainChosen(int row) {
  state_.ChooseTrain(row);
  select_->setEnabled(state_.SelectEnabled());
}

void MainWindow::OpenFolderSettings() {
  FolderSettingsDialog::Run(this);
  const std::string unlisted = state_.AfterFolderSettings();
  ShowRoutes();
  ShowTrains();
  if (!unlisted.empty()) ReportUnlistedFolder(unlisted);
}

void MainWindow::StartRun() {
  const int kind = StartOptionsDialog::Run(this);
  if (kind == kRunCancel) return;
  // The bar covers the top row for the length of the run.
  auto* bar = Place(new QProgressBar(centralWidget()), Rect(kProgressBarPlace), "451");
  bar->setRange(0, 100);
  bar->setValue(0);
  bar->show();
  bar->repaint();
  BarProgressSink progress(bar);
  const bool ok = GenerationRun(kind, &progress);
  delete bar;
  switch (WindowAfterRun(kind, ok)) {
    case AfterRun::kClose:
      close();
      break;
    case AfterRun::kOpenChart:
      OpenChart();
      break;
    case AfterRun::kStay:
      break;
  }
}

void MainWindow::OpenChart() {
  const QString path = QFileInfo(QString::fromLatin1(kChartFileName)).absoluteFilePath();
  if (!open_chart_(path)) ReportChartNotOpened(ToPath(path));
}
