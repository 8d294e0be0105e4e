#ifndef LINEWRIGHT_UI_ROUTE_LIST_H
#define LINEWRIGHT_UI_ROUTE_LIST_H

#include <string>
#include <vector>

// The entries of the main window's two lists and the rules that read them.
// A route list entry is either a route file's name as it stands in the
// folder, or a folder entry: the folder's name as "  (name)". The lists
// are sorted the way a sorted list box sorts (letter case ignored), so the
// folder entries, which begin with blanks, come first.

enum class EntryKind { kFolder, kRoute, kOther };

// Fills `entries` with the route files (".rw", ".csv", ".scr" in any
// letter case, but never the program's own "linewrighttemp.csv") and the
// subfolders of `folder` (".." included, "." not). A folder that cannot
// be listed leaves `entries` unchanged and gives false.
bool FillRouteList(const std::string& folder, std::vector<std::string>* entries);

// Fills `entries` with the subfolders of `folder` that hold "train.dat"
// (found in any letter case), leaving out those whose names hold
// RouteBreakingCharacters. False, `entries` unchanged, when the folder
// cannot be listed.
bool FillTrainList(const std::string& folder, std::vector<std::string>* entries);

// The characters of a train name that would end the route's train command
// (",", ";", line breaks and other control characters), described for a
// message ("',', a line break"); empty when there are none.
std::string RouteBreakingCharacters(const std::string& name);
// The message for such a name.
std::string TrainNameProblem(const std::string& name, const std::string& characters);

// A folder entry begins with a blank and ends with ")".
EntryKind ClassifyEntry(const std::string& entry);
// The folder's name inside a folder entry ("  (x)" gives "x").
std::string FolderEntryName(const std::string& entry);

struct Rgb {
  int red, green, blue;
};
// Background of an entry in the route list: folders yellow, script routes
// blue, sectioned routes red, comma-separated routes green, others white.
Rgb EntryBackground(const std::string& entry);

// `folder` and `name` joined with one separator: none is added when the
// folder already ends with "\" or "/".
std::string JoinFolder(const std::string& folder, const std::string& name);

// The folder one level up: `folder` cut at its last "\" or "/", but never
// shorter than its root ("/" or a drive root such as "c:\"), which keeps
// its separator. A folder without a separator stays as it is.
std::string ParentFolder(const std::string& folder);

#endif
