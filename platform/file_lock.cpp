#include "platform/file_lock.h"

#include <cerrno>
#include <chrono>
#include <thread>

#include "platform/file_error.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace platform {

namespace {
constexpr int kRetryMs = 100;
}

bool FileLock::Acquire(const std::string& path, int wait_ms, bool* busy, std::string* reason) {
  Release();
  *busy = false;
#ifdef _WIN32
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    *reason = GetLastError() == ERROR_ACCESS_DENIED ? FileErrorText(FileError::kPermissionDenied)
                                                    : FileErrorText(FileError::kInputOutput);
    return false;
  }
  auto try_lock = [h] {
    OVERLAPPED whole = {};
    return LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &whole) != 0;
  };
#else
  int fd = open(path.c_str(), O_RDWR | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
  if (fd < 0) {
    *reason = FileErrorText(FileErrorFromErrno(errno));
    return false;
  }
  auto try_lock = [fd] { return flock(fd, LOCK_EX | LOCK_NB) == 0; };
#endif
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(wait_ms);
  while (!try_lock()) {
    if (std::chrono::steady_clock::now() >= deadline) {
#ifdef _WIN32
      CloseHandle(h);
#else
      close(fd);
#endif
      *busy = true;
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(kRetryMs));
  }
#ifdef _WIN32
  handle_ = h;
#else
  fd_ = fd;
#endif
  held_ = true;
  return true;
}

void FileLock::Release() {
  if (!held_) return;
#ifdef _WIN32
  CloseHandle(static_cast<HANDLE>(handle_));  // closing releases the lock
  handle_ = nullptr;
#else
  close(fd_);  // closing releases the lock
  fd_ = -1;
#endif
  held_ = false;
}

}  // namespace platform
