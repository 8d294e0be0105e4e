#include "platform/file_error.h"

#include <cerrno>

namespace platform {

const char* FileErrorText(FileError error) {
  switch (error) {
    case FileError::kNone:
      return "no error";
    case FileError::kNotFound:
      return "no such file or folder";
    case FileError::kPermissionDenied:
      return "permission denied";
    case FileError::kNoSpace:
      return "no space left on the device";
    case FileError::kIsFolder:
      return "is a folder";
    case FileError::kNotRegularFile:
      return "not a regular file (a named pipe, a device or a socket)";
    case FileError::kExists:
      return "a file of that name exists";
    case FileError::kReadOnly:
      return "the file system is read-only";
    case FileError::kInputOutput:
      break;
  }
  return "input/output error";
}

FileError FileErrorFromErrno(int number) {
  switch (number) {
    case 0:
      return FileError::kNone;
    case ENOENT:
    case ENOTDIR:
      return FileError::kNotFound;
    case EACCES:
    case EPERM:
      return FileError::kPermissionDenied;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
    case EFBIG:
      return FileError::kNoSpace;
    case EISDIR:
      return FileError::kIsFolder;
    case EEXIST:
      return FileError::kExists;
    case EROFS:
      return FileError::kReadOnly;
    default:
      return FileError::kInputOutput;
  }
}

std::string FileErrorDetail(const std::string& path, FileError error) {
  std::string detail = path + ": " + FileErrorText(error);
  switch (error) {
    case FileError::kPermissionDenied:
    case FileError::kReadOnly:
      return detail + " (check that the file and its folder may be written and read)";
    case FileError::kNoSpace:
      return detail + " (free some space on that disk and run again)";
    case FileError::kIsFolder:
    case FileError::kNotRegularFile:
      return detail + " (move it away or choose another file)";
    default:
      return detail;
  }
}

}  // namespace platform
