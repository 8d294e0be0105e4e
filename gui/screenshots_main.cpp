// linewright_screenshots KAVO_FOLDER OUT_FOLDER: renders the window and
// every dialog, on the simulator installation in KAVO_FOLDER, to PNG files
// in OUT_FOLDER. Runs without a display.

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QPainter>
#include <cstdio>

#include "gui/info_dialogs.h"
#include "gui/main_window.h"
#include "gui/qt_text.h"
#include "gui/settings_dialogs.h"
#include "gui/start_options_dialog.h"
#include "platform/files.h"
#include "sigsys/sigsys.h"
#include "ui/loadsave.h"

namespace {

// The widget as shown, under a plain caption strip with its title.
QImage Framed(QWidget* widget) {
  widget->show();
  QApplication::processEvents();
  const QPixmap content = widget->grab();
  constexpr int kCaption = 24;
  QImage image(content.width() + 2, content.height() + kCaption + 1, QImage::Format_RGB32);
  image.fill(QColor(60, 63, 65));
  QPainter painter(&image);
  QFont font = widget->font();
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(QRect(8, 0, image.width() - 16, kCaption), Qt::AlignVCenter | Qt::AlignLeft, widget->windowTitle());
  painter.drawPixmap(1, kCaption, content);
  painter.end();
  widget->hide();
  return image;
}

bool Save(QWidget* widget, const QDir& out, const char* name) {
  const QString path = out.filePath(QString::fromLatin1(name));
  if (Framed(widget).save(path)) return true;
  std::fprintf(stderr, "linewright_screenshots: could not write %s\n", ToPath(path).c_str());
  return false;
}

void Choose(QListWidget* list, const QString& text) {
  const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
  if (!found.isEmpty()) list->setCurrentItem(found.front());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: linewright_screenshots KAVO_FOLDER OUT_FOLDER\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setStyle(QStringLiteral("Fusion"));
  const std::string kavo = argv[1];
  QDir out(QString::fromLocal8Bit(argv[2]));
  if (!out.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "linewright_screenshots: could not create %s\n", argv[2]);
    return 1;
  }

  ResetGlobals();
  global.simfolder = kavo;
  global.routefolder = platform::JoinPath(platform::JoinPath(kavo, "railway"), "route");
  global.trainfolder = platform::JoinPath(kavo, "train");
  global.simexe = "kavo.exe";
  global.browsefolder = global.routefolder;
  global.outroutepath = OutRoutePath(global.routefolder);
  sigsys.name = kDefaultSignalSystem;

  bool ok = true;
  MainWindow window;
  auto* routes = window.findChild<QListWidget*>(QStringLiteral("300"));
  auto* trains = window.findChild<QListWidget*>(QStringLiteral("301"));
  Choose(routes, QStringLiteral("  (Starter)"));
  Choose(routes, QStringLiteral("starter.csv"));
  Choose(trains, QStringLiteral("Blue Arrow"));
  ok &= Save(&window, out, "main_window.png");

  StartOptionsDialog options(OpenStartOptions());
  ok &= Save(&options, out, "start_options.png");
  RouteInfo route;
  GetRouteInfo(&route);
  RouteInfoDialog routeInfo(route);
  ok &= Save(&routeInfo, out, "route_info.png");
  TrainInfoDialog trainInfo(ReadTrainInfo(global.trainfolder, "Red Hauler"));
  ok &= Save(&trainInfo, out, "train_info.png");
  FolderSettingsDialog folders(OpenFolderSettings());
  ok &= Save(&folders, out, "folder_settings.png");
  AboutDialog about;
  ok &= Save(&about, out, "about.png");
  return ok ? 0 : 1;
}
