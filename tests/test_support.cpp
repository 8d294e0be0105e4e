#include "test_support.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace fs = std::filesystem;

namespace {

// A new folder under the system's temporary folder, made without mkdtemp,
// which Windows lacks.
std::string MakeUniqueFolder() {
  static std::random_device entropy;
  static unsigned counter = 0;
  fs::path candidate;
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = "linewright-test-" + std::to_string(entropy()) + "-" + std::to_string(++counter);
    candidate = fs::temp_directory_path() / name;
    std::error_code ec;
    if (fs::create_directory(candidate, ec)) break;
  }
  return candidate.string();
}

}  // namespace

ScratchDir::ScratchDir() {
  previous_ = fs::current_path().string();
  path_ = MakeUniqueFolder();
  fs::current_path(path_);
}

ScratchDir::~ScratchDir() {
  std::error_code ec;
  fs::current_path(previous_, ec);
  fs::remove_all(path_, ec);
}

std::string ScratchDir::File(const std::string& name) const { return (fs::path(path_) / name).string(); }

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

bool WriteFile(const std::string& path, const std::string& bytes) {
  fs::path p(path);
  std::error_code ec;
  if (p.has_parent_path()) fs::create_directories(p.parent_path(), ec);
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

std::string SourcePath(const std::string& relative) {
  return (fs::path(LINEWRIGHT_SOURCE_DIR) / relative).string();
}

namespace {

void SetVariable(const std::string& name, const char* value) {
#ifdef _WIN32
  _putenv_s(name.c_str(), value != nullptr ? value : "");
#else
  if (value != nullptr)
    setenv(name.c_str(), value, 1);
  else
    unsetenv(name.c_str());
#endif
}

}  // namespace

ScopedEnvironment::ScopedEnvironment(const std::string& name, const char* value) : name_(name) {
  const char* old = std::getenv(name.c_str());
  had_value_ = old != nullptr;
  if (had_value_) old_value_ = old;
  SetVariable(name_, value);
}

ScopedEnvironment::~ScopedEnvironment() {
  SetVariable(name_, had_value_ ? old_value_.c_str() : nullptr);
}

FakeWinePrefix::FakeWinePrefix(const std::string& folder)
    : path_(folder), variable_("WINEPREFIX", folder.c_str()) {
  std::error_code ec;
  fs::create_directories(DriveC(), ec);
  fs::create_directories(path_ + "/dosdevices", ec);
#ifndef _WIN32
  MapDrive('c', "../drive_c");
  MapDrive('z', "/");
#endif
}

void FakeWinePrefix::MapDrive(char letter, const std::string& target) const {
  std::error_code ec;
  fs::create_directory_symlink(target, path_ + "/dosdevices/" + std::string(1, letter) + ":", ec);
}
