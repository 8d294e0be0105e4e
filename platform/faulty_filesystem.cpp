#include "platform/faulty_filesystem.h"

namespace platform {

namespace {
RealFileSystem real_inner;
}

const char* FileOperationName(FileOperation op) {
  static const char* const kNames[kFileOperationCount] = {"exists", "rename", "remove", "copy",
                                                          "read",   "list",   "open",   "write",
                                                          "flush",  "close",  "replace"};
  return kNames[static_cast<int>(op)];
}

// A file being written whose steps fail as its file system says.
class FaultyWritableFile : public WritableFile {
 public:
  FaultyWritableFile(FaultyFileSystem* owner, std::unique_ptr<WritableFile> inner)
      : owner_(owner), inner_(std::move(inner)) {}

  bool Write(const char* data, std::size_t size) override {
    if (owner_->Fails(FileOperation::kWrite, &error_)) return false;
    if (owner_->diskLimited_ && size > owner_->diskLeft_) {
      // What fits is written, as on a disk that runs full.
      std::size_t fits = owner_->diskLeft_;
      owner_->diskLeft_ = 0;
      inner_->Write(data, fits);
      error_ = FileError::kNoSpace;
      return false;
    }
    if (owner_->diskLimited_) owner_->diskLeft_ -= size;
    return Inner(inner_->Write(data, size));
  }
  bool Flush() override {
    return !owner_->Fails(FileOperation::kFlush, &error_) && Inner(inner_->Flush());
  }
  bool Close() override {
    // The inner file is closed whatever the fault, as a failed close
    // still releases the file.
    bool failed = owner_->Fails(FileOperation::kClose, &error_);
    return Inner(inner_->Close()) && !failed;
  }

 private:
  bool Inner(bool ok) {
    if (!ok) error_ = inner_->error();
    return ok;
  }
  FaultyFileSystem* owner_;
  std::unique_ptr<WritableFile> inner_;
};

FaultyFileSystem::FaultyFileSystem(FileSystem* inner) : inner_(inner ? inner : &real_inner) {}

void FaultyFileSystem::FailCall(FileOperation op, int nth, FileError error) {
  failAt_[Slot(op)] = nth > 0 ? calls_[Slot(op)] + nth : 0;
  errors_[Slot(op)] = error;
}

void FaultyFileSystem::FailAlways(FileOperation op, FileError error) {
  failAll_[Slot(op)] = true;
  errors_[Slot(op)] = error;
}

void FaultyFileSystem::FillDiskAfter(std::size_t bytes) {
  diskLimited_ = true;
  diskLeft_ = bytes;
}

bool FaultyFileSystem::Fails(FileOperation op, FileError* error) {
  int slot = Slot(op);
  ++calls_[slot];
  if (!failAll_[slot] && calls_[slot] != failAt_[slot]) return false;
  *error = errors_[slot];
  return true;
}

bool FaultyFileSystem::Passes(FileOperation op, const std::string& path) {
  FileError error = FileError::kNone;
  return !Fails(op, &error) || Fail(error, path);
}

bool FaultyFileSystem::Exists(const std::string& path) {
  return Passes(FileOperation::kExists, path) && inner_->Exists(path);
}

bool FaultyFileSystem::Rename(const std::string& from, const std::string& to) {
  return Passes(FileOperation::kRename, to) && Inner(inner_->Rename(from, to));
}

bool FaultyFileSystem::Replace(const std::string& from, const std::string& to) {
  return Passes(FileOperation::kReplace, to) && Inner(inner_->Replace(from, to));
}

bool FaultyFileSystem::Remove(const std::string& path) {
  return Passes(FileOperation::kRemove, path) && Inner(inner_->Remove(path));
}

bool FaultyFileSystem::Copy(const std::string& from, const std::string& to) {
  return Passes(FileOperation::kCopy, to) && Inner(inner_->Copy(from, to));
}

bool FaultyFileSystem::ReadFile(const std::string& path, std::string* bytes) {
  if (!Passes(FileOperation::kRead, path)) {
    bytes->clear();
    return false;
  }
  return Inner(inner_->ReadFile(path, bytes));
}

std::unique_ptr<WritableFile> FaultyFileSystem::OpenForWriting(const std::string& path) {
  if (!Passes(FileOperation::kOpen, path)) return nullptr;
  std::unique_ptr<WritableFile> file = inner_->OpenForWriting(path);
  if (!file) {
    Inner(false);
    return nullptr;
  }
  return std::make_unique<FaultyWritableFile>(this, std::move(file));
}

bool FaultyFileSystem::ListDirectory(const std::string& folder, std::vector<DirEntry>* entries) {
  if (!Passes(FileOperation::kList, folder)) {
    entries->clear();
    return false;
  }
  return Inner(inner_->ListDirectory(folder, entries));
}

}  // namespace platform
