#ifndef LINEWRIGHT_PLATFORM_FILE_ERROR_H
#define LINEWRIGHT_PLATFORM_FILE_ERROR_H

#include <string>

namespace platform {

// Why a file operation failed, in the terms a message gives the user.
enum class FileError {
  kNone,
  kNotFound,
  kPermissionDenied,
  kNoSpace,
  kIsFolder,
  kNotRegularFile,  // a named pipe, a device or a socket
  kExists,
  kReadOnly,     // a read-only file system
  kInputOutput,  // anything else
};

// "permission denied", "no space left on the device", ...
const char* FileErrorText(FileError error);
// The error an operating-system error number stands for.
FileError FileErrorFromErrno(int number);
// "path: reason" for a message's detail, with what the user can do about
// it where that is clear ("free some space on that disk").
std::string FileErrorDetail(const std::string& path, FileError error);

}  // namespace platform

#endif
