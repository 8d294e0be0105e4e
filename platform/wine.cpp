#include "platform/wine.h"

#include <cstdio>
#include <cstdlib>

#ifndef _WIN32
#include <climits>
#endif

#include "core/rteprocs.h"
#include "platform/files.h"

namespace platform {

std::string WinePrefix() {
  const char* prefix = std::getenv("WINEPREFIX");
  if (prefix != nullptr && prefix[0] != '\0') return prefix;
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] != '\0') return JoinPath(home, ".wine");
  return "";
}

bool HasDriveLetter(const std::string& path) {
  if (path.size() < 2 || path[1] != ':') return false;
  char letter = AsciiLower(path[0]);
  return letter >= 'a' && letter <= 'z';
}

bool IsWindowsProgram(const std::string& path) {
  // Opening a named pipe would wait for a writer.
  if (!IsRegularFile(path)) return false;
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return false;
  char head[2] = {0, 0};
  bool windows = std::fread(head, 1, 2, f) == 2 && head[0] == 'M' && head[1] == 'Z';
  std::fclose(f);
  return windows;
}

#ifdef _WIN32

std::string LocalPath(const std::string& path) { return path; }
std::string WindowsPathUnderWine(const std::string& path) { return path; }
bool NeedsWine(const std::string&) { return false; }

#else

namespace {

// The path with every link and "." or ".." resolved; for a file that does
// not exist, its resolved folder and its name. Relative paths are taken
// from the working folder.
std::string Canonical(const std::string& path) {
  char resolved[PATH_MAX];
  if (realpath(path.c_str(), resolved) != nullptr) return resolved;
  size_t slash = path.find_last_of('/');
  std::string folder = slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  if (realpath(folder.c_str(), resolved) == nullptr) return path;
  std::string canonical = resolved;
  if (canonical != "/") canonical += '/';
  return canonical + name;
}

// The folder a drive letter (lower case) stands for in the prefix, with
// its links resolved, or "" when the prefix has no such drive.
std::string DriveFolder(const std::string& prefix, char letter) {
  if (prefix.empty()) return "";
  std::string device = JoinPath(JoinPath(prefix, "dosdevices"), std::string(1, letter) + ":");
  if (IsDirectory(device)) return Canonical(device);
  std::string drive_c = JoinPath(prefix, "drive_c");
  if (letter == 'c' && IsDirectory(drive_c)) return Canonical(drive_c);
  return "";
}

// The rest of `path` after `root` ("" when they are equal), or false when
// `root` does not hold `path`.
bool PathBelow(const std::string& root, const std::string& path, std::string* rest) {
  if (path.empty() || path[0] != '/') return false;
  if (root == "/") {
    *rest = path.substr(1);
    return true;
  }
  if (path.compare(0, root.size(), root) != 0) return false;
  if (path.size() == root.size()) {
    rest->clear();
    return true;
  }
  if (path[root.size()] != '/') return false;
  *rest = path.substr(root.size() + 1);
  return true;
}

std::string WithBackslashes(std::string path) {
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

}  // namespace

std::string LocalPath(const std::string& path) {
  if (!HasDriveLetter(path)) return path;
  std::string local = DriveFolder(WinePrefix(), AsciiLower(path[0]));
  if (local.empty()) return path;
  for (const std::string& part : SplitAt(path.substr(2), "\\/")) {
    if (part.empty() || part == ".") continue;
    local = ResolveRoutePath(local, part);
  }
  return local;
}

std::string WindowsPathUnderWine(const std::string& path) {
  std::string canonical = Canonical(path);
  std::string prefix = WinePrefix();
  std::string best_root;
  char best_letter = 0;
  std::string best_rest;
  for (char letter = 'a'; letter <= 'z'; ++letter) {
    std::string root = DriveFolder(prefix, letter);
    if (root.empty()) continue;
    std::string rest;
    if (!PathBelow(root, canonical, &rest)) continue;
    // The deepest drive wins: c: (the prefix's drive_c) over z: (the root).
    if (best_letter == 0 || root.size() > best_root.size()) {
      best_root = root;
      best_letter = static_cast<char>(letter - 'a' + 'A');
      best_rest = rest;
    }
  }
  if (best_letter == 0) return "Z:" + WithBackslashes(canonical);
  return std::string(1, best_letter) + ":\\" + WithBackslashes(best_rest);
}

bool NeedsWine(const std::string& program) { return IsWindowsProgram(program); }

#endif

}  // namespace platform
