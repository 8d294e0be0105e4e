#include "scrprocs/included_files.h"

#include "platform/files.h"
#include "platform/filesystem.h"
#include "ui/loadsave.h"

namespace {

// Texts of included files kept in memory for one reading, at most.
constexpr std::size_t kHeldTextBudget = 64 * 1024 * 1024;

}  // namespace

IncludedFiles::File& IncludedFiles::Find(const std::string& name) {
  auto found = files_.find(name);
  if (found != files_.end()) return found->second;
  File& file = files_[name];
  file.allowed = Allowed(name);
  if (!file.allowed) return file;
  file.path = platform::ResolveRoutePath(global.browsefolder, name);
  if (!Read(file)) return file;
  std::string_view text = last_read_->view();
  if (held_ + text.size() <= kHeldTextBudget) {
    file.text.assign(text);
    file.held = true;
    held_ += text.size();
    last_read_.reset();
    last_read_of_ = nullptr;
  }
  return file;
}

bool IncludedFiles::Text(File& file, std::string_view* text) {
  if (!file.allowed || file.error != platform::FileError::kNone) return false;
  if (file.held) {
    *text = file.text;
    return true;
  }
  // The file read last needs no second reading.
  if (last_read_of_ != &file && !Read(file)) return false;
  *text = last_read_->view();
  return true;
}

bool IncludedFiles::Read(File& file) {
  last_read_ = std::make_unique<BufferedFile>(file.path.c_str(), false);
  last_read_of_ = nullptr;
  if (!last_read_->working()) {
    file.error = platform::Files().LastError();
    if (file.error == platform::FileError::kNone) file.error = platform::FileError::kInputOutput;
    return false;
  }
  last_read_of_ = &file;
  return true;
}

// Includes reach no file outside the simulator's route folder (or, for a
// route kept elsewhere, outside the route's own folder): a route cannot
// paste an arbitrary file of the computer into itself.
bool IncludedFiles::Allowed(const std::string& name) {
  const std::string& folder = global.browsefolder;
  bool in_route_folder =
      !global.routefolder.empty() && platform::IsInsideFolder(global.routefolder, folder);
  return platform::StaysInside(in_route_folder ? global.routefolder : folder, folder, name);
}
