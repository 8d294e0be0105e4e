#include "platform/files.h"

#include <cstdio>
#include <filesystem>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "core/rteprocs.h"
#include "platform/filesystem.h"

namespace platform {

std::vector<std::string> SplitAt(const std::string& text, const char* separators) {
  std::vector<std::string> pieces;
  size_t start = 0;
  for (;;) {
    size_t end = text.find_first_of(separators, start);
    pieces.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) return pieces;
    start = end + 1;
  }
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  std::string joined = folder;
  joined += kPathSeparator;
  joined += name;
  return joined;
}

bool PathExists(const std::string& path) {
#ifdef _WIN32
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
#else
  struct stat st;
  return stat(path.c_str(), &st) == 0;
#endif
}

std::string ResolveRoutePath(const std::string& folder, const std::string& relative) {
#ifdef _WIN32
  // Windows finds names in any letter case itself: only the separators
  // become its own.
  std::string written = relative;
  for (char& c : written)
    if (c == '/') c = '\\';
  return JoinPath(folder, written);
#else
  std::string written = relative;
  for (char& c : written)
    if (c == '\\') c = '/';
  std::string direct = JoinPath(folder, written);
  if (PathExists(direct)) return direct;
  // Walk the parts, matching each one without regard to case.
  std::string current = folder;
  for (const std::string& part : SplitAt(written, "/")) {
    if (part.empty() || part == ".") continue;
    std::string candidate = JoinPath(current, part);
    if (!PathExists(candidate)) {
      std::vector<DirEntry> entries;
      if (!ListDirectory(current, &entries)) return direct;
      // Of several spellings the first in byte order, whatever order the
      // system lists them in.
      const DirEntry* match = nullptr;
      for (const DirEntry& e : entries)
        if (EqualsIgnoringCase(e.name, part) && (match == nullptr || e.name < match->name)) match = &e;
      if (match == nullptr) return direct;
      candidate = JoinPath(current, match->name);
    }
    current = candidate;
  }
  return current;
#endif
}

namespace {

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

// The parts of `path` after "." and ".." are worked out; `*escaped` is set
// when a ".." would go above the first part.
std::vector<std::string> NormalParts(const std::string& path, bool* escaped) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = start;
    while (end < path.size() && !IsSeparator(path[end])) ++end;
    std::string part = path.substr(start, end - start);
    start = end + 1;
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      if (parts.empty())
        *escaped = true;
      else
        parts.pop_back();
      continue;
    }
    parts.push_back(part);
  }
  return parts;
}

bool SamePart(const std::string& a, const std::string& b) {
#ifdef _WIN32
  return EqualsIgnoringCase(a, b);
#else
  return a == b;
#endif
}

}  // namespace

bool IsInsideFolder(const std::string& root, const std::string& path) {
  bool escaped = false;
  std::vector<std::string> base = NormalParts(AbsolutePath(root), &escaped);
  std::vector<std::string> target = NormalParts(AbsolutePath(path), &escaped);
  if (escaped || target.size() < base.size()) return false;
  for (size_t i = 0; i < base.size(); ++i)
    if (!SamePart(base[i], target[i])) return false;
  return true;
}

bool StaysInside(const std::string& root, const std::string& folder, const std::string& name) {
  if (!name.empty() && (IsSeparator(name[0]) || (name.size() >= 2 && name[1] == ':'))) return false;
  return IsInsideFolder(root, folder + "/" + name);
}

bool WriteFileReplacing(const std::string& path, const char* data, std::size_t size) {
  return Files().WriteFile(path, data, size);
}

std::string AbsolutePath(const std::string& path) {
  std::error_code ec;
  std::filesystem::path absolute = std::filesystem::absolute(path, ec);
  return ec ? path : absolute.string();
}

void AppendToFile(const std::string& path, const std::string& text) {
#ifdef _WIN32
  if (PathExists(path) && !IsRegularFile(path)) return;
  std::FILE* f = std::fopen(path.c_str(), "ab");
  if (f == nullptr) return;
  std::fwrite(text.data(), 1, text.size(), f);
  std::fclose(f);
#else
  int fd = open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
  if (fd < 0) return;
  struct stat st {};
  if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
    ssize_t written = write(fd, text.data(), text.size());
    (void)written;  // the log loses a line silently, as it always has
  }
  close(fd);
#endif
}

std::FILE* OpenNewFile(const std::string& path) {
#ifdef _WIN32
  // Windows' fopen takes no "x": it would open, and empty, a file that is
  // already there.
  int fd = _open(path.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _S_IREAD | _S_IWRITE);
  if (fd < 0) return nullptr;
  std::FILE* f = _fdopen(fd, "wb");
  if (f == nullptr) _close(fd);
  return f;
#else
  // "x": fail rather than open a file that is already there.
  return std::fopen(path.c_str(), "wbx");
#endif
}

bool WriteNewFile(const std::string& path, const char* data, std::size_t size) {
  std::FILE* f = OpenNewFile(path);
  if (f == nullptr) return false;
  bool ok = size == 0 || std::fwrite(data, 1, size, f) == size;
  if (std::fclose(f) != 0) ok = false;
  if (!ok) std::remove(path.c_str());
  return ok;
}

bool MakeDirectory(const std::string& path) {
#ifdef _WIN32
  CreateDirectoryA(path.c_str(), nullptr);
#else
  mkdir(path.c_str(), 0777);
#endif
  return IsDirectory(path);
}

bool RemoveFile(const std::string& path) { return std::remove(path.c_str()) == 0; }

bool IsDirectory(const std::string& path) {
#ifdef _WIN32
  DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
#else
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
#endif
}

bool IsRegularFile(const std::string& path) {
#ifdef _WIN32
  DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
#else
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
#endif
}

bool ListDirectory(const std::string& folder, std::vector<DirEntry>* entries) {
  entries->clear();
#ifdef _WIN32
  WIN32_FIND_DATAA data;
  HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &data);
  if (h == INVALID_HANDLE_VALUE) return false;
  do {
    entries->push_back({data.cFileName, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
  } while (FindNextFileA(h, &data));
  FindClose(h);
  return true;
#else
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) return false;
  while (struct dirent* e = readdir(dir)) {
    DirEntry entry;
    entry.name = e->d_name;
    // The entry's type comes with it on most file systems; only a link or
    // an unknown type needs a look at what the name leads to.
    if (e->d_type == DT_DIR)
      entry.is_directory = true;
    else if (e->d_type != DT_LNK && e->d_type != DT_UNKNOWN)
      entry.is_directory = false;
    else
      entry.is_directory = IsDirectory(JoinPath(folder, entry.name));
    entries->push_back(entry);
  }
  closedir(dir);
  return true;
#endif
}

}  // namespace platform
