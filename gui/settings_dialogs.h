#ifndef LINEWRIGHT_GUI_SETTINGS_DIALOGS_H
#define LINEWRIGHT_GUI_SETTINGS_DIALOGS_H

#include <QDialog>

#include "ui/folder_settings.h"

class QLineEdit;

// Dialog 400, "Linewright beállítása": the simulator's folders and
// executable. Closes with 405 on "&Mentés", 406 on "&Mégse" or the close box.
class FolderSettingsDialog : public QDialog {
  Q_OBJECT

 public:
  FolderSettingsDialog(const FolderForm& form, QWidget* parent = nullptr);
  FolderForm form() const;

  // Shows the dialog for the settings in `global` and saves them on
  // "&Mentés". Returns the dialog's result.
  static int Run(QWidget* parent);

 private:
  QLineEdit* fields_[4];
};

// Dialog 200, "A programról": the product and its credits.
class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(QWidget* parent = nullptr);
};

#endif
