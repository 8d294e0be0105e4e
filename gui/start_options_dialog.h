#ifndef LINEWRIGHT_GUI_START_OPTIONS_DIALOG_H
#define LINEWRIGHT_GUI_START_OPTIONS_DIALOG_H

#include <QDialog>
#include <map>

#include "ui/start_options.h"

class QAbstractButton;
class QComboBox;
class QLineEdit;

// Dialog 630, "Indítási beállítások": shows a StartOptionsForm and gives it
// back as the user left it. It closes with the id of the button pressed:
// 1 "Kavo indítása", 6 "Csak létrehozás", 7 "Technikai diagram", or 2
// "Mégse" (also for the close box and Escape).
class StartOptionsDialog : public QDialog {
  Q_OBJECT

 public:
  StartOptionsDialog(const StartOptionsForm& form, QWidget* parent = nullptr);
  StartOptionsForm form() const;

  // Shows the dialog for the settings in `global`; on an action button
  // stores and saves the options. Returns the run kind (2 for cancel).
  static int Run(QWidget* parent);

 private:
  void ShowSignalSystemInfo();

  std::map<int, QAbstractButton*> toggles_;  // check boxes and radio buttons by id
  QLineEdit* chance_ = nullptr;
  QLineEdit* start_time_ = nullptr;
  QComboBox* signal_systems_ = nullptr;
  std::vector<std::string> signal_system_names_;
};

#endif
