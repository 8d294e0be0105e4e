#include "ui/main_window_state.h"

#include "core/rteprocs.h"
#include "platform/files.h"
#include "ui/loadsave.h"
#include "ui/route_list.h"
#include "ui/run.h"

bool MainWindowState::ListRoutes(const std::string& folder) {
  if (!FillRouteList(folder, &routes_)) return false;
  label_ = folder;
  route_selection_ = -1;
  return true;
}

std::string MainWindowState::FillLists() {
  std::string unlisted;
  // The list and browsefolder move together, so that a route chosen from
  // the list is read from the folder it was listed in.
  if (ListRoutes(global.routefolder))
    global.browsefolder = global.routefolder;
  else
    unlisted = global.routefolder;
  if (FillTrainList(global.trainfolder, &trains_))
    train_selection_ = -1;
  else if (unlisted.empty())
    unlisted = global.trainfolder;
  return unlisted;
}

bool MainWindowState::SelectEnabled() const {
  return route_selection_ >= 0 && ClassifyEntry(routes_[route_selection_]) != EntryKind::kFolder &&
         train_selection_ >= 0;
}

bool MainWindowState::RouteInfoAvailable() const { return global.routetype > kRouteNone; }

bool MainWindowState::ChooseRoute(int index) {
  if (index < 0 || index >= static_cast<int>(routes_.size())) return false;
  route_selection_ = index;
  const std::string entry = routes_[index];
  if (ClassifyEntry(entry) != EntryKind::kFolder) {
    global.routetype = RouteTypeOf(entry);
    global.routefile = entry;
    return false;
  }
  global.routetype = kRouteNone;
  const std::string name = FolderEntryName(entry);
  std::string target;
  if (name == ".") {
    target = global.browsefolder;
  } else if (name == "..") {
    target = ParentFolder(global.browsefolder);
  } else {
    target = JoinFolder(global.browsefolder, name);
    if (!platform::IsDirectory(target)) return false;
  }
  if (!ListRoutes(target)) return false;
  global.browsefolder = target;
  return true;
}

void MainWindowState::ChooseTrain(int index) {
  if (index < 0 || index >= static_cast<int>(trains_.size())) return;
  train_selection_ = index;
  global.trainname = trains_[index];
}

std::string MainWindowState::AfterFolderSettings() {
  std::string unlisted = FillLists();
  route_selection_ = -1;
  train_selection_ = -1;
  return unlisted;
}

AfterRun WindowAfterRun(int kind, bool ok) {
  if (!ok) return AfterRun::kStay;
  if (kind == kRunLaunch) return AfterRun::kClose;
  if (kind == kRunChart) return AfterRun::kOpenChart;
  return AfterRun::kStay;
}

void ReportUnlistedFolder(const std::string& folder) {
  ErrorMessage("This folder cannot be read; set the simulator's folders in Menü > Beállítás:", folder.c_str());
}

void ReportChartNotOpened(const std::string& path) {
  ErrorMessage("Could not open the technical diagram in a browser; open it yourself:", path.c_str());
}
