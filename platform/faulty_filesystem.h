#ifndef LINEWRIGHT_PLATFORM_FAULTY_FILESYSTEM_H
#define LINEWRIGHT_PLATFORM_FAULTY_FILESYSTEM_H

#include <array>
#include <string>
#include <vector>

#include "platform/filesystem.h"

namespace platform {

// The operations of a FileSystem, to say which one is to fail.
enum class FileOperation { kExists, kRename, kRemove, kCopy, kRead, kWrite, kList };
constexpr int kFileOperationCount = 7;

// A file system for tests: passes every call on to `inner` (the real files
// unless told otherwise) and makes chosen calls fail without touching
// anything. A failed Exists answers "no such file".
class FaultyFileSystem : public FileSystem {
 public:
  explicit FaultyFileSystem(FileSystem* inner = nullptr);

  // The `nth` call of `op` from now on (counting from 1) fails; 0: none.
  void FailCall(FileOperation op, int nth);
  // Every call of `op` fails.
  void FailAlways(FileOperation op);
  // Calls of `op` made since the file system was created.
  int Calls(FileOperation op) const { return calls_[Slot(op)]; }

  bool Exists(const std::string& path) override;
  bool Rename(const std::string& from, const std::string& to) override;
  bool Remove(const std::string& path) override;
  bool Copy(const std::string& from, const std::string& to) override;
  bool ReadFile(const std::string& path, std::string* bytes) override;
  bool WriteFile(const std::string& path, const std::string& bytes) override;
  bool ListDirectory(const std::string& folder, std::vector<DirEntry>* entries) override;

 private:
  static int Slot(FileOperation op) { return static_cast<int>(op); }
  // Counts the call and tells whether it is to fail.
  bool Fails(FileOperation op);

  FileSystem* inner_;
  std::array<int, kFileOperationCount> calls_{};
  std::array<int, kFileOperationCount> failAt_{};  // call number to fail, 0: none
  std::array<bool, kFileOperationCount> failAll_{};
};

}  // namespace platform

#endif
