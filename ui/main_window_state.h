#ifndef LINEWRIGHT_UI_MAIN_WINDOW_STATE_H
#define LINEWRIGHT_UI_MAIN_WINDOW_STATE_H

#include <string>
#include <vector>

// What the main window shows and allows, without the window: the route
// and train lists, the folder label, the selected entries and whether
// "Select" may start a run. Choosing entries updates `global` (routefile,
// routetype, browsefolder, trainname) as the window does.
class MainWindowState {
 public:
  // Fills the route list from routefolder and the train list from
  // trainfolder. A folder that cannot be listed leaves its list as it was;
  // the first such folder is returned (empty when both were listed).
  std::string FillLists();

  const std::vector<std::string>& routes() const { return routes_; }
  const std::vector<std::string>& trains() const { return trains_; }
  // The folder the route list shows; empty until a folder was listed.
  const std::string& folderLabel() const { return label_; }
  int routeSelection() const { return route_selection_; }
  int trainSelection() const { return train_selection_; }

  // True while a route file and a train are selected. A selected folder
  // entry (one that could not be entered) does not count as a route.
  bool SelectEnabled() const;
  // True when a double click on the route list shows the route
  // information: the chosen entry is a route file.
  bool RouteInfoAvailable() const;

  // The user chose route list entry `index`. A route file becomes
  // routefile with its routetype; a folder entry is entered ("." lists the
  // folder again, ".." goes up, never past the root) and sets routetype to
  // 0, while routefile keeps its value. True when the route list was
  // refilled, so the view shows it anew with nothing selected.
  bool ChooseRoute(int index);
  // The user chose train list entry `index`: it becomes trainname.
  void ChooseTrain(int index);
  // After the folder settings dialog, saved or cancelled: both lists are
  // filled again from the folders and nothing is selected. Returns what
  // FillLists returns.
  std::string AfterFolderSettings();

 private:
  bool ListRoutes(const std::string& folder);

  std::vector<std::string> routes_;
  std::vector<std::string> trains_;
  std::string label_;
  int route_selection_ = -1;
  int train_selection_ = -1;
};

// What the window does once a run of `kind` has ended with `ok`.
enum class AfterRun { kStay, kClose, kOpenChart };
AfterRun WindowAfterRun(int kind, bool ok);

// Tells the user that `folder` (as FillLists returned it) could not be
// listed, and where to set the folders.
void ReportUnlistedFolder(const std::string& folder);
// Tells the user that the chart written to `path` could not be shown.
void ReportChartNotOpened(const std::string& path);

#endif
