#include "platform/faulty_filesystem.h"

namespace platform {

namespace {
RealFileSystem real_inner;
}

FaultyFileSystem::FaultyFileSystem(FileSystem* inner) : inner_(inner ? inner : &real_inner) {}

void FaultyFileSystem::FailCall(FileOperation op, int nth) {
  failAt_[Slot(op)] = nth > 0 ? calls_[Slot(op)] + nth : 0;
}

void FaultyFileSystem::FailAlways(FileOperation op) { failAll_[Slot(op)] = true; }

bool FaultyFileSystem::Fails(FileOperation op) {
  int slot = Slot(op);
  ++calls_[slot];
  return failAll_[slot] || calls_[slot] == failAt_[slot];
}

bool FaultyFileSystem::Exists(const std::string& path) {
  return !Fails(FileOperation::kExists) && inner_->Exists(path);
}

bool FaultyFileSystem::Rename(const std::string& from, const std::string& to) {
  return !Fails(FileOperation::kRename) && inner_->Rename(from, to);
}

bool FaultyFileSystem::Remove(const std::string& path) {
  return !Fails(FileOperation::kRemove) && inner_->Remove(path);
}

bool FaultyFileSystem::Copy(const std::string& from, const std::string& to) {
  return !Fails(FileOperation::kCopy) && inner_->Copy(from, to);
}

bool FaultyFileSystem::ReadFile(const std::string& path, std::string* bytes) {
  if (Fails(FileOperation::kRead)) {
    bytes->clear();
    return false;
  }
  return inner_->ReadFile(path, bytes);
}

bool FaultyFileSystem::WriteFile(const std::string& path, const std::string& bytes) {
  return !Fails(FileOperation::kWrite) && inner_->WriteFile(path, bytes);
}

bool FaultyFileSystem::ListDirectory(const std::string& folder, std::vector<DirEntry>* entries) {
  if (Fails(FileOperation::kList)) {
    entries->clear();
    return false;
  }
  return inner_->ListDirectory(folder, entries);
}

}  // namespace platform
