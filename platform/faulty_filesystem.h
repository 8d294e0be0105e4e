#ifndef LINEWRIGHT_PLATFORM_FAULTY_FILESYSTEM_H
#define LINEWRIGHT_PLATFORM_FAULTY_FILESYSTEM_H

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "platform/filesystem.h"

namespace platform {

// The operations of a FileSystem and of the files it opens for writing,
// to say which one is to fail.
enum class FileOperation {
  kExists,
  kRename,
  kRemove,
  kCopy,
  kRead,
  kList,
  kOpen,   // OpenForWriting
  kWrite,  // WritableFile::Write
  kFlush,  // WritableFile::Flush
  kClose,  // WritableFile::Close
  kReplace,
};
constexpr int kFileOperationCount = 11;
const char* FileOperationName(FileOperation op);

// A file system for tests: passes every call on to `inner` (the real files
// unless told otherwise) and makes chosen calls fail without touching
// anything. A failed Exists answers "no such file".
class FaultyFileSystem : public FileSystem {
 public:
  explicit FaultyFileSystem(FileSystem* inner = nullptr);

  // The `nth` call of `op` from now on (counting from 1) fails with
  // `error`; 0: none.
  void FailCall(FileOperation op, int nth, FileError error = FileError::kInputOutput);
  // Every call of `op` fails with `error`.
  void FailAlways(FileOperation op, FileError error = FileError::kInputOutput);
  // The disk fills up once `bytes` more bytes have been written: the write
  // that crosses the limit stores what fits and fails with kNoSpace, as
  // every later one does.
  void FillDiskAfter(std::size_t bytes);
  // Calls of `op` made since the file system was created.
  int Calls(FileOperation op) const { return calls_[Slot(op)]; }

  bool Exists(const std::string& path) override;
  bool Rename(const std::string& from, const std::string& to) override;
  bool Replace(const std::string& from, const std::string& to) override;
  bool Remove(const std::string& path) override;
  bool Copy(const std::string& from, const std::string& to) override;
  bool ReadFile(const std::string& path, std::string* bytes) override;
  std::unique_ptr<WritableFile> OpenForWriting(const std::string& path) override;
  bool ListDirectory(const std::string& folder, std::vector<DirEntry>* entries) override;

 private:
  friend class FaultyWritableFile;
  static int Slot(FileOperation op) { return static_cast<int>(op); }
  // Counts the call and tells whether it is to fail (with what in
  // `error`).
  bool Fails(FileOperation op, FileError* error);
  // Counts the call; false (recording the error on `path`) when it is to
  // fail.
  bool Passes(FileOperation op, const std::string& path);
  // The result of the inner file system's call, its reason taken over.
  bool Inner(bool ok) { return ok || Fail(inner_->LastError(), inner_->LastErrorPath()); }

  FileSystem* inner_;
  std::array<int, kFileOperationCount> calls_{};
  std::array<int, kFileOperationCount> failAt_{};  // call number to fail, 0: none
  std::array<bool, kFileOperationCount> failAll_{};
  std::array<FileError, kFileOperationCount> errors_{};
  bool diskLimited_ = false;
  std::size_t diskLeft_ = 0;
};

}  // namespace platform

#endif
