#ifndef LINEWRIGHT_UI_FOLDER_SETTINGS_H
#define LINEWRIGHT_UI_FOLDER_SETTINGS_H

#include <string>

// The folder settings dialog's four fields.
struct FolderForm {
  std::string simfolder;    // 401
  std::string routefolder;  // 402
  std::string trainfolder;  // 403
  std::string simexe;       // 404
};

// The fields as the dialog opens: the folders as they are saved (see
// FolderAsSaved).
FolderForm OpenFolderSettings();

// Saving the dialog: each text of 1 to 259 characters replaces its
// setting (a folder through SetFolderSetting); an empty one keeps the
// setting, and a longer one keeps it too and is reported. A trailing separator is dropped (never a root's), the
// paths that follow from the route folder are derived anew, the route
// list starts again at the route folder, and the configuration is saved.
// When saving fails it has been reported, the new settings stay in force
// until the program ends, and the result is false.
bool SaveFolderSettings(const FolderForm& form);

// The dialog's results: "&Mentés" and "&Mégse" (also the close box).
constexpr int kFolderSettingsSaved = 405;
constexpr int kFolderSettingsCancelled = 406;

// The end of the dialog: saves `form` when `result` is
// kFolderSettingsSaved and returns it; any other result saves nothing and
// gives kFolderSettingsCancelled.
int FinishFolderSettings(int result, const FolderForm& form);

#endif
