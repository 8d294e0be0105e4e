#ifndef LINEWRIGHT_PLATFORM_FILESYSTEM_H
#define LINEWRIGHT_PLATFORM_FILESYSTEM_H

#include <string>
#include <vector>

#include "platform/files.h"

namespace platform {

// The file operations that move, replace and remove the user's files, behind
// one narrow interface. The program works on the operating system's files;
// tests install a fake that makes any single step fail, which is how a
// failed rename or a full disk gets tested. Every operation reports failure
// by returning false and never throws.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual bool Exists(const std::string& path) = 0;
  // Moves `from` to `to` within one file system. Fails, touching nothing,
  // when `to` already exists or the two lie on different file systems.
  virtual bool Rename(const std::string& from, const std::string& to) = 0;
  // True when the file existed and was removed.
  virtual bool Remove(const std::string& path) = 0;
  // Copies `from` into a new file `to`. Fails when `to` already exists; a
  // failed copy leaves no `to` behind.
  virtual bool Copy(const std::string& from, const std::string& to) = 0;
  // The whole file as bytes.
  virtual bool ReadFile(const std::string& path, std::string* bytes) = 0;
  // Makes `bytes` the content of `path`, replacing the old file only once
  // the new content is written whole.
  virtual bool WriteFile(const std::string& path, const std::string& bytes) = 0;
  virtual bool ListDirectory(const std::string& folder, std::vector<DirEntry>* entries) = 0;
};

// The operating system's files.
class RealFileSystem : public FileSystem {
 public:
  bool Exists(const std::string& path) override;
  bool Rename(const std::string& from, const std::string& to) override;
  bool Remove(const std::string& path) override;
  bool Copy(const std::string& from, const std::string& to) override;
  bool ReadFile(const std::string& path, std::string* bytes) override;
  bool WriteFile(const std::string& path, const std::string& bytes) override;
  bool ListDirectory(const std::string& folder, std::vector<DirEntry>* entries) override;
};

// The file system in use: the real one unless a test installed another.
FileSystem& Files();
// Makes `files` current (null restores the real one) and returns the one
// that was current before. The caller keeps ownership.
FileSystem* SetFileSystem(FileSystem* files);

// Installs a file system for the lifetime of a scope.
class ScopedFileSystem {
 public:
  explicit ScopedFileSystem(FileSystem* files) : previous_(SetFileSystem(files)) {}
  ~ScopedFileSystem() { SetFileSystem(previous_); }
  ScopedFileSystem(const ScopedFileSystem&) = delete;
  ScopedFileSystem& operator=(const ScopedFileSystem&) = delete;

 private:
  FileSystem* previous_;
};

}  // namespace platform

#endif
