#ifndef LINEWRIGHT_PLATFORM_FILESYSTEM_H
#define LINEWRIGHT_PLATFORM_FILESYSTEM_H

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "platform/file_error.h"
#include "platform/files.h"

namespace platform {

// A file being written, one step at a time, so that each step can fail in
// tests. Every step reports failure by returning false, with the reason
// in error(); none throws.
class WritableFile {
 public:
  virtual ~WritableFile() = default;
  virtual bool Write(const char* data, std::size_t size) = 0;
  // Hands what was written to the operating system.
  virtual bool Flush() = 0;
  // Closing is the last step, and the last chance to learn that the data
  // did not reach the disk. The destructor closes a file left open.
  virtual bool Close() = 0;
  FileError error() const { return error_; }

 protected:
  FileError error_ = FileError::kNone;
};

// Every file the program reads or writes, behind one narrow interface. The
// program works on the operating system's files; tests install a fake that
// makes any single step fail, which is how a failed rename or a full disk
// gets tested. Every operation reports failure by returning false (and
// LastError() says why) and never throws.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual bool Exists(const std::string& path) = 0;
  // Moves `from` to `to` within one file system. Fails, touching nothing,
  // when `to` already exists or the two lie on different file systems.
  virtual bool Rename(const std::string& from, const std::string& to) = 0;
  // Moves `from` over `to` in one step: `to` is either the old file or the
  // new one, never missing.
  virtual bool Replace(const std::string& from, const std::string& to) = 0;
  // True when the file existed and was removed.
  virtual bool Remove(const std::string& path) = 0;
  // Copies `from` into a new file `to`. Fails when `to` already exists; a
  // failed copy leaves no `to` behind.
  virtual bool Copy(const std::string& from, const std::string& to) = 0;
  // The whole file as bytes. Only a regular file is read: a folder, a
  // named pipe or a device is refused at once, without waiting on it.
  virtual bool ReadFile(const std::string& path, std::string* bytes) = 0;
  // Creates `path`, or empties it when it exists, for writing; null on
  // failure.
  virtual std::unique_ptr<WritableFile> OpenForWriting(const std::string& path) = 0;
  virtual bool ListDirectory(const std::string& folder, std::vector<DirEntry>* entries) = 0;

  // Makes `bytes` the content of `path` through a temporary file beside it
  // (path + kTemporarySuffix) that replaces `path` only once it is written
  // whole. On failure `path` is as it was and the temporary file is gone.
  bool WriteFile(const std::string& path, const char* data, std::size_t size);
  bool WriteFile(const std::string& path, const std::string& bytes) {
    return WriteFile(path, bytes.data(), bytes.size());
  }

  // Why the last operation that failed failed, and the file it failed on
  // (for a write, that may be the temporary file).
  FileError LastError() const { return last_error_; }
  const std::string& LastErrorPath() const { return last_error_path_; }

 protected:
  // Records the reason of a failure; returns false for one-line failures.
  bool Fail(FileError error, const std::string& path) {
    last_error_ = error;
    last_error_path_ = path;
    return false;
  }

 private:
  FileError last_error_ = FileError::kNone;
  std::string last_error_path_;
};

// The suffix of the temporary file a write goes through.
extern const char kTemporarySuffix[];

// The operating system's files.
class RealFileSystem : public FileSystem {
 public:
  bool Exists(const std::string& path) override;
  bool Rename(const std::string& from, const std::string& to) override;
  bool Replace(const std::string& from, const std::string& to) override;
  bool Remove(const std::string& path) override;
  bool Copy(const std::string& from, const std::string& to) override;
  bool ReadFile(const std::string& path, std::string* bytes) override;
  std::unique_ptr<WritableFile> OpenForWriting(const std::string& path) override;
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

// The last failure of the file system in use for a message: the file it
// failed on, made absolute, and the reason (FileErrorDetail).
std::string LastFileErrorDetail();

// Removes the temporary file a write of `path` left when it was killed
// half-way. Harmless when there is none.
void RemoveStaleTemporaryFile(const std::string& path);

}  // namespace platform

#endif
