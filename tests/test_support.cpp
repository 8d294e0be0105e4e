#include "test_support.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
extern char** environ;
#endif

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

// Tests never look into the machine's own Wine prefix: WINEPREFIX names a
// folder that does not exist unless a test makes a prefix of its own.
const ScopedEnvironment kNoWinePrefix(
    "WINEPREFIX", (fs::temp_directory_path() / "linewright-tests-no-wine-prefix").string().c_str());

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

namespace {

std::string WithoutCarriageReturns(std::string text) {
  std::string kept;
  for (size_t i = 0; i < text.size(); ++i)
    if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) kept += text[i];
  return kept;
}

#ifdef _WIN32
// One argument as the C runtime splits a Windows command line back.
std::string QuotedForWindows(const std::string& arg) {
  if (!arg.empty() && arg.find_first_of(" \t\"") == std::string::npos) return arg;
  std::string quoted = "\"";
  size_t backslashes = 0;
  for (char c : arg) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, '\\');
  return quoted + "\"";
}

HANDLE Inheritable(const std::string& path, bool write) {
  SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
  return CreateFileA(path.c_str(), write ? GENERIC_WRITE : GENERIC_READ,
                     FILE_SHARE_READ | FILE_SHARE_WRITE, &sa,
                     write ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}
#endif

}  // namespace

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args) {
  static unsigned counter = 0;
  std::string capture = (fs::temp_directory_path() /
                         ("linewright-run-" + std::to_string(std::random_device()()) + "-" +
                          std::to_string(++counter) + "-"))
                            .string();
  ProgramRun run;
#ifdef _WIN32
  std::string line = QuotedForWindows(program);
  for (const std::string& a : args) line += " " + QuotedForWindows(a);
  std::vector<char> buffer(line.begin(), line.end());
  buffer.push_back('\0');
  STARTUPINFOA si;
  ZeroMemory(&si, sizeof si);
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdInput = Inheritable("NUL", false);
  si.hStdOutput = Inheritable(capture + "out", true);
  si.hStdError = Inheritable(capture + "err", true);
  PROCESS_INFORMATION pi;
  if (CreateProcessA(program.c_str(), buffer.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                     &si, &pi)) {
    WaitForSingleObject(pi.hProcess, INFINITE);
    DWORD code = 0;
    if (GetExitCodeProcess(pi.hProcess, &code)) run.status = static_cast<int>(code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
  }
  for (HANDLE h : {si.hStdInput, si.hStdOutput, si.hStdError})
    if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
#else
  std::vector<std::string> words{program};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(&w[0]);
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, (capture + "out").c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, 2, (capture + "err").c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  pid_t pid;
  if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) == 0) {
    int raw = 0;
    if (waitpid(pid, &raw, 0) == pid && WIFEXITED(raw)) run.status = WEXITSTATUS(raw);
  }
  posix_spawn_file_actions_destroy(&actions);
#endif
  run.out = WithoutCarriageReturns(ReadFile(capture + "out"));
  run.err = WithoutCarriageReturns(ReadFile(capture + "err"));
  std::error_code ec;
  fs::remove(capture + "out", ec);
  fs::remove(capture + "err", ec);
  return run;
}
