#include "ui/folder_settings.h"

#include "core/mheader.h"
#include "core/rteprocs.h"
#include "ui/loadsave.h"

namespace {

// Longest text a field takes.
constexpr size_t kFieldMax = kPathSize - 2;

void TakeField(const std::string& text, std::string* field) {
  if (text.empty()) return;
  if (text.size() > kFieldMax) {
    ErrorMessage("This folder setting is too long (at most 259 characters) and was not changed:",
                 text.c_str());
    return;
  }
  std::string folder = text;
  DropTrailingSeparator(&folder);
  if (field == &global.simexe)
    *field = folder;
  else
    SetFolderSetting(field, folder);
}

}  // namespace

FolderForm OpenFolderSettings() {
  // The folders as the user set them: "c:\program files\kavo" stays so
  // where it is found in the Wine prefix.
  return {FolderAsSaved(global.simfolder), FolderAsSaved(global.routefolder),
          FolderAsSaved(global.trainfolder), global.simexe};
}

bool SaveFolderSettings(const FolderForm& form) {
  TakeField(form.simfolder, &global.simfolder);
  TakeField(form.routefolder, &global.routefolder);
  TakeField(form.trainfolder, &global.trainfolder);
  TakeField(form.simexe, &global.simexe);
  global.outroutepath = OutRoutePath(global.routefolder);
  global.browsefolder = global.routefolder;
  return SaveConfig();
}

int FinishFolderSettings(int result, const FolderForm& form) {
  if (result != kFolderSettingsSaved) return kFolderSettingsCancelled;
  SaveFolderSettings(form);
  return result;
}
