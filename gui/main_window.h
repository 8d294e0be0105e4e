#ifndef LINEWRIGHT_GUI_MAIN_WINDOW_H
#define LINEWRIGHT_GUI_MAIN_WINDOW_H

#include <QMainWindow>
#include <functional>

#include "ui/main_window_state.h"

class QLabel;
class QListWidget;
class QPushButton;

// The program's window, titled with the product and its version
// ("Linewright 10.2 R2"): the folder label (303), the
// route list (300), the train list (301), "Select" (302) and the menu.
// The lists and the Select rule come from MainWindowState.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);

  // How a chart is shown after a chart run; by default in the user's
  // browser. Returns false when it could not be opened.
  void SetChartOpener(std::function<bool(const QString& path)> opener) { open_chart_ = std::move(opener); }

 private:
  void ShowRoutes();
  void ShowTrains();
  void RouteChosen(int row);
  void TrainChosen(int row);
  void StartRun();
  void OpenFolderSettings();
  void OpenChart();

  MainWindowState state_;
  QLabel* label_;
  QListWidget* routes_;
  QListWidget* trains_;
  QPushButton* select_;
  std::function<bool(const QString&)> open_chart_;
};

#endif
