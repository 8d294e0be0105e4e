#include "gui_test_support.h"

#include <filesystem>

namespace fs = std::filesystem;

SampleInstallation::SampleInstallation() {
  previous_ = fs::current_path().string();
  std::string pattern = (fs::temp_directory_path() / "linewright-gui-XXXXXX").string();
  root_ = mkdtemp(&pattern[0]) ? pattern : std::string();
  fs::copy(fs::path(LINEWRIGHT_SOURCE_DIR) / "sample" / "kavo", fs::path(root_) / "kavo",
           fs::copy_options::recursive);
  fs::current_path(root_);
}

SampleInstallation::~SampleInstallation() {
  std::error_code ec;
  fs::current_path(previous_, ec);
  fs::remove_all(root_, ec);
}

std::string SampleInstallation::Path(const std::string& relative) const { return (fs::path(root_) / relative).string(); }
