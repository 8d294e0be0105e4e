#include "ui/route_list.h"

#include <algorithm>

#include "core/mheader.h"
#include "core/rteprocs.h"
#include "platform/files.h"
#include "ui/loadsave.h"

namespace {

// Names of kPathSize - 1 characters or more do not fit a path.
constexpr size_t kNameLimit = kPathSize - 1;

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool EndsWithIgnoringCase(const std::string& name, const char* tail) {
  std::string_view t(tail);
  return name.size() >= t.size() && EqualsIgnoringCase(std::string_view(name).substr(name.size() - t.size()), t);
}

bool IsRouteFileName(const std::string& name) {
  if (name.size() >= kNameLimit) return false;
  std::string_view own(kOutRouteName);
  if (name.size() >= own.size() && EqualsIgnoringCase(std::string_view(name).substr(0, own.size()), own))
    return false;
  return (name.size() > 3 && EndsWithIgnoringCase(name, ".rw")) ||
         (name.size() > 4 && (EndsWithIgnoringCase(name, ".csv") || EndsWithIgnoringCase(name, ".scr")));
}

// The order of a sorted list box: letter case ignored, then byte order so
// that the order is the same on every run.
bool ListOrder(const std::string& a, const std::string& b) {
  size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    unsigned char x = static_cast<unsigned char>(AsciiLower(a[i]));
    unsigned char y = static_cast<unsigned char>(AsciiLower(b[i]));
    if (x != y) return x < y;
  }
  if (a.size() != b.size()) return a.size() < b.size();
  return a < b;
}

// Length of the root at the start of `folder`: 3 for "c:\", 1 for "/",
// 0 for a relative folder.
size_t RootLength(const std::string& folder) {
  if (folder.size() >= 3 && folder[1] == ':' && IsSeparator(folder[2])) return 3;
  if (!folder.empty() && IsSeparator(folder[0])) return 1;
  return 0;
}

}  // namespace

std::string JoinFolder(const std::string& folder, const std::string& name) {
  if (!folder.empty() && IsSeparator(folder.back())) return folder + name;
  return platform::JoinPath(folder, name);
}

std::string ParentFolder(const std::string& folder) {
  size_t root = RootLength(folder);
  size_t end = folder.size();
  // A trailing separator (other than the root's) is not a level.
  while (end > root && IsSeparator(folder[end - 1])) --end;
  size_t cut = end;
  while (cut > root && !IsSeparator(folder[cut - 1])) --cut;
  if (cut == 0) return folder;  // relative, no separator: nowhere to go
  if (cut <= root) return folder.substr(0, root);
  return folder.substr(0, cut - 1);
}

bool FillRouteList(const std::string& folder, std::vector<std::string>* entries) {
  std::vector<platform::DirEntry> listing;
  if (!platform::ListDirectory(folder, &listing)) return false;
  entries->clear();
  for (const platform::DirEntry& e : listing) {
    if (IsRouteFileName(e.name)) entries->push_back(e.name);
    // A folder named like a route file is listed both ways.
    if (e.name != "." && e.name.size() < kNameLimit && platform::IsDirectory(JoinFolder(folder, e.name)))
      entries->push_back("  (" + e.name + ")");
  }
  std::sort(entries->begin(), entries->end(), ListOrder);
  return true;
}

std::string RouteBreakingCharacters(const std::string& name) {
  std::string found;
  for (char c : name) {
    std::string shown;
    if (c == ',')
      shown = "','";
    else if (c == ';')
      shown = "';'";
    else if (c == '\n' || c == '\r')
      shown = "a line break";
    else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
      shown = "a control character";
    if (shown.empty() || found.find(shown) != std::string::npos) continue;
    found += (found.empty() ? "" : ", ") + shown;
  }
  return found;
}

std::string TrainNameProblem(const std::string& name, const std::string& characters) {
  return "the train name '" + name + "' holds " + characters +
         ", which would end the route's train command and corrupt the route; rename the "
         "train's folder without them";
}

bool FillTrainList(const std::string& folder, std::vector<std::string>* entries) {
  std::vector<platform::DirEntry> listing;
  if (!platform::ListDirectory(folder, &listing)) return false;
  entries->clear();
  for (const platform::DirEntry& e : listing) {
    if (!e.is_directory || e.name == "." || e.name == ".." || e.name.size() >= kNameLimit) continue;
    // A train whose name would corrupt the route cannot be chosen.
    if (!RouteBreakingCharacters(e.name).empty()) continue;
    std::string data = platform::ResolveRoutePath(platform::JoinPath(folder, e.name), "train.dat");
    if (platform::IsRegularFile(data)) entries->push_back(e.name);
  }
  std::sort(entries->begin(), entries->end(), ListOrder);
  return true;
}

EntryKind ClassifyEntry(const std::string& entry) {
  if (!entry.empty() && entry[0] == ' ' && entry.back() == ')') return EntryKind::kFolder;
  return RouteTypeOf(entry) == kRouteNone ? EntryKind::kOther : EntryKind::kRoute;
}

std::string FolderEntryName(const std::string& entry) {
  const std::string open = "  (";
  if (entry.size() < open.size() + 1 || entry.compare(0, open.size(), open) != 0) return std::string();
  return entry.substr(open.size(), entry.size() - open.size() - 1);
}

Rgb EntryBackground(const std::string& entry) {
  if (!entry.empty() && entry.back() == ')') return {255, 240, 193};
  switch (RouteTypeOf(entry)) {
    case kRouteScript:
      return {221, 222, 255};
    case kRouteSectioned:
      return {255, 207, 207};
    case kRouteCsv:
      return {225, 255, 193};
    default:
      return {255, 255, 255};
  }
}
