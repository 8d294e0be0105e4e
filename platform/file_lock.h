#ifndef LINEWRIGHT_PLATFORM_FILE_LOCK_H
#define LINEWRIGHT_PLATFORM_FILE_LOCK_H

#include <string>

namespace platform {

// An advisory lock on a file (created when missing), held while the object
// lives. It only keeps out other holders of the same lock: two runs of the
// program in one folder take turns, nothing else is stopped. The file
// itself stays.
class FileLock {
 public:
  FileLock() = default;
  ~FileLock() { Release(); }
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  // Takes the lock, trying again for up to `wait_ms` milliseconds while
  // another holder has it. False when it stayed taken (`*busy` true) or
  // the lock file cannot be opened (`*busy` false, the reason in
  // `*reason`).
  bool Acquire(const std::string& path, int wait_ms, bool* busy, std::string* reason);
  void Release();
  bool held() const { return held_; }

 private:
  bool held_ = false;
#ifdef _WIN32
  void* handle_ = nullptr;
#else
  int fd_ = -1;
#endif
};

}  // namespace platform

#endif
