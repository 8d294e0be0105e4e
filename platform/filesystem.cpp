#include "platform/filesystem.h"

#include <cstdio>

#ifdef _WIN32
#include <windows.h>
#endif

namespace platform {

namespace {

RealFileSystem real_files;
FileSystem* current_files = &real_files;

}  // namespace

bool RealFileSystem::Exists(const std::string& path) { return PathExists(path); }

bool RealFileSystem::Rename(const std::string& from, const std::string& to) {
#ifdef _WIN32
  // Without MOVEFILE_COPY_ALLOWED the move stays on one volume and never
  // replaces an existing file.
  return MoveFileExA(from.c_str(), to.c_str(), 0) != 0;
#else
  // rename() would replace `to`; the callers rely on nothing being lost.
  if (Exists(to)) return false;
  return std::rename(from.c_str(), to.c_str()) == 0;
#endif
}

bool RealFileSystem::Remove(const std::string& path) { return std::remove(path.c_str()) == 0; }

bool RealFileSystem::Copy(const std::string& from, const std::string& to) {
  std::FILE* in = std::fopen(from.c_str(), "rb");
  if (in == nullptr) return false;
  std::FILE* out = OpenNewFile(to);
  if (out == nullptr) {
    std::fclose(in);
    return false;
  }
  bool ok = true;
  char buffer[65536];
  for (;;) {
    std::size_t n = std::fread(buffer, 1, sizeof buffer, in);
    if (n > 0 && std::fwrite(buffer, 1, n, out) != n) ok = false;
    if (n < sizeof buffer || !ok) break;
  }
  if (std::ferror(in)) ok = false;
  std::fclose(in);
  if (std::fflush(out) != 0) ok = false;
  if (std::fclose(out) != 0) ok = false;
  if (!ok) std::remove(to.c_str());
  return ok;
}

bool RealFileSystem::ReadFile(const std::string& path, std::string* bytes) {
  bytes->clear();
  if (!IsRegularFile(path)) return false;
  std::FILE* in = std::fopen(path.c_str(), "rb");
  if (in == nullptr) return false;
  char buffer[65536];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, in)) > 0) bytes->append(buffer, n);
  bool ok = !std::ferror(in);
  std::fclose(in);
  return ok;
}

bool RealFileSystem::WriteFile(const std::string& path, const std::string& bytes) {
  return WriteFileReplacing(path, bytes.data(), bytes.size());
}

bool RealFileSystem::ListDirectory(const std::string& folder, std::vector<DirEntry>* entries) {
  return platform::ListDirectory(folder, entries);
}

FileSystem& Files() { return *current_files; }

FileSystem* SetFileSystem(FileSystem* files) {
  FileSystem* previous = current_files;
  current_files = files ? files : &real_files;
  return previous;
}

}  // namespace platform
