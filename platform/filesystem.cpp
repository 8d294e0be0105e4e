#include "platform/filesystem.h"

#include <cerrno>
#include <cstdio>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform {

const char kTemporarySuffix[] = ".lwtmp";

namespace {

RealFileSystem real_files;
FileSystem* current_files = &real_files;

FileError LastErrno() { return FileErrorFromErrno(errno); }

class RealWritableFile : public WritableFile {
 public:
  explicit RealWritableFile(std::FILE* file) : file_(file) {}
  ~RealWritableFile() override { Close(); }

  bool Write(const char* data, std::size_t size) override {
    if (file_ == nullptr) return Failed(FileError::kInputOutput);
    if (size == 0 || std::fwrite(data, 1, size, file_) == size) return true;
    return Failed(LastErrno());
  }
  bool Flush() override {
    if (file_ == nullptr) return Failed(FileError::kInputOutput);
    return std::fflush(file_) == 0 || Failed(LastErrno());
  }
  bool Close() override {
    if (file_ == nullptr) return true;
    int result = std::fclose(file_);
    file_ = nullptr;
    return result == 0 || Failed(LastErrno());
  }

 private:
  bool Failed(FileError error) {
    error_ = error;
    return false;
  }
  std::FILE* file_;
};

// Opens `path` for reading only when it is a regular file. The check is
// made on the opened file, and the opening itself does not wait for a
// writer, so a named pipe is refused at once.
std::FILE* OpenRegularFile(const std::string& path, FileError* error) {
#ifdef _WIN32
  if (IsDirectory(path)) {
    *error = FileError::kIsFolder;
    return nullptr;
  }
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    *error = FileErrorFromErrno(errno);
    return nullptr;
  }
  HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
  if (GetFileType(handle) != FILE_TYPE_DISK) {
    std::fclose(file);
    *error = FileError::kNotRegularFile;
    return nullptr;
  }
  return file;
#else
  int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    *error = FileErrorFromErrno(errno);
    return nullptr;
  }
  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    *error = S_ISDIR(st.st_mode) ? FileError::kIsFolder : FileError::kNotRegularFile;
    close(fd);
    return nullptr;
  }
  // Reads of a regular file never wait; back to the usual mode all the same.
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  std::FILE* file = fdopen(fd, "rb");
  if (file == nullptr) {
    *error = FileErrorFromErrno(errno);
    close(fd);
  }
  return file;
#endif
}

}  // namespace

bool FileSystem::WriteFile(const std::string& path, const char* data, std::size_t size) {
  std::string temp = path + kTemporarySuffix;
  std::unique_ptr<WritableFile> file = OpenForWriting(temp);
  if (!file) return false;
  bool ok = file->Write(data, size) && file->Flush();
  // Closed in any case, so that the temporary file can go.
  bool closed = file->Close();
  FileError error = file->error();
  file.reset();
  if (ok && closed && Replace(temp, path)) return true;
  std::string failed = temp;
  if (error == FileError::kNone) {
    error = LastError();
    failed = LastErrorPath();
  }
  Remove(temp);
  return Fail(error, failed);
}

bool RealFileSystem::Exists(const std::string& path) { return PathExists(path); }

bool RealFileSystem::Rename(const std::string& from, const std::string& to) {
#ifdef _WIN32
  // Without MOVEFILE_COPY_ALLOWED the move stays on one volume and never
  // replaces an existing file.
  if (MoveFileExA(from.c_str(), to.c_str(), 0) != 0) return true;
  return Fail(FileError::kInputOutput, to);
#else
  // rename() would replace `to`; the callers rely on nothing being lost.
  if (Exists(to)) return Fail(FileError::kExists, to);
  return std::rename(from.c_str(), to.c_str()) == 0 || Fail(LastErrno(), to);
#endif
}

bool RealFileSystem::Replace(const std::string& from, const std::string& to) {
  if (IsDirectory(to)) return Fail(FileError::kIsFolder, to);
#ifdef _WIN32
  if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0) return true;
  DWORD code = GetLastError();
  return Fail(code == ERROR_ACCESS_DENIED ? FileError::kPermissionDenied : FileError::kInputOutput,
              to);
#else
  return std::rename(from.c_str(), to.c_str()) == 0 || Fail(LastErrno(), to);
#endif
}

bool RealFileSystem::Remove(const std::string& path) {
  return std::remove(path.c_str()) == 0 || Fail(LastErrno(), path);
}

bool RealFileSystem::Copy(const std::string& from, const std::string& to) {
  FileError error = FileError::kNone;
  std::FILE* in = OpenRegularFile(from, &error);
  if (in == nullptr) return Fail(error, from);
  std::FILE* out = OpenNewFile(to);
  if (out == nullptr) {
    error = LastErrno();
    std::fclose(in);
    return Fail(error, to);
  }
  char buffer[65536];
  for (;;) {
    std::size_t n = std::fread(buffer, 1, sizeof buffer, in);
    if (n > 0 && std::fwrite(buffer, 1, n, out) != n) error = LastErrno();
    if (n < sizeof buffer || error != FileError::kNone) break;
  }
  if (std::ferror(in) && error == FileError::kNone) error = FileError::kInputOutput;
  std::fclose(in);
  if (std::fflush(out) != 0 && error == FileError::kNone) error = LastErrno();
  if (std::fclose(out) != 0 && error == FileError::kNone) error = LastErrno();
  if (error == FileError::kNone) return true;
  std::remove(to.c_str());
  return Fail(error, to);
}

bool RealFileSystem::ReadFile(const std::string& path, std::string* bytes) {
  bytes->clear();
  FileError error = FileError::kNone;
  std::FILE* in = OpenRegularFile(path, &error);
  if (in == nullptr) return Fail(error, path);
  char buffer[65536];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, in)) > 0) bytes->append(buffer, n);
  bool ok = !std::ferror(in);
  std::fclose(in);
  return ok || Fail(FileError::kInputOutput, path);
}

std::unique_ptr<WritableFile> RealFileSystem::OpenForWriting(const std::string& path) {
  if (IsDirectory(path)) {
    Fail(FileError::kIsFolder, path);
    return nullptr;
  }
#ifdef _WIN32
  std::FILE* file = std::fopen(path.c_str(), "wb");
#else
  // A named pipe of that name without a reader fails here at once instead
  // of waiting for one; anything but a regular file is refused.
  int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, 0666);
  struct stat st {};
  if (fd >= 0 && (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))) {
    close(fd);
    Fail(FileError::kNotRegularFile, path);
    return nullptr;
  }
  if (fd >= 0) fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  std::FILE* file = fd >= 0 ? fdopen(fd, "wb") : nullptr;
  if (file == nullptr && fd >= 0) close(fd);
#endif
  if (file == nullptr) {
    Fail(errno == ENXIO ? FileError::kNotRegularFile : LastErrno(), path);
    return nullptr;
  }
  return std::make_unique<RealWritableFile>(file);
}

bool RealFileSystem::ListDirectory(const std::string& folder, std::vector<DirEntry>* entries) {
  return platform::ListDirectory(folder, entries) || Fail(LastErrno(), folder);
}

FileSystem& Files() { return *current_files; }

FileSystem* SetFileSystem(FileSystem* files) {
  FileSystem* previous = current_files;
  current_files = files ? files : &real_files;
  return previous;
}

std::string LastFileErrorDetail() {
  return FileErrorDetail(AbsolutePath(Files().LastErrorPath()), Files().LastError());
}

void RemoveStaleTemporaryFile(const std::string& path) {
  std::string temp = path + kTemporarySuffix;
  if (IsRegularFile(temp)) Files().Remove(temp);
}

}  // namespace platform
