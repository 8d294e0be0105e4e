#include "sigsys/sigsys_list.h"

#include <algorithm>
#include <cstdio>

#include "core/rteprocs.h"
#include "platform/files.h"
#include "sigsys/sigsys.h"

const char kSignalSystemFile[] = "sigsys.txt";

namespace {

// Folder names of 16 characters or more are not signal systems.
constexpr size_t kFolderNameLimit = 16;

// The first line of a definition file as the name: at most 15 characters
// are read, then trimmed. False when the file cannot be read.
bool ReadSystemName(const std::string& path, std::string* name) {
  if (!platform::IsRegularFile(path)) return false;
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return false;
  char line[kSignalSystemNameMax + 1] = {0};
  if (std::fgets(line, sizeof line, f) == nullptr) line[0] = 0;
  std::fclose(f);
  Trim(line);
  *name = line;
  return true;
}

}  // namespace

std::string SignalSystemFilePath(const std::string& root, const std::string& folder) {
  return platform::ResolveRoutePath(platform::JoinPath(root, folder), kSignalSystemFile);
}

std::vector<SignalSystemEntry> ListSignalSystems(const std::string& root) {
  std::vector<SignalSystemEntry> systems;
  std::vector<platform::DirEntry> entries;
  if (!platform::ListDirectory(root, &entries)) return systems;
  std::sort(entries.begin(), entries.end(),
            [](const platform::DirEntry& a, const platform::DirEntry& b) { return a.name < b.name; });
  for (const platform::DirEntry& e : entries) {
    if (!e.is_directory || e.name == "." || e.name == "..") continue;
    if (e.name.size() >= kFolderNameLimit) continue;
    SignalSystemEntry system;
    if (!ReadSystemName(SignalSystemFilePath(root, e.name), &system.name)) continue;
    system.folder = e.name;
    systems.push_back(system);
  }
  return systems;
}
