#include "platform/process.h"

#include <cstring>

#ifdef _WIN32
#include <windows.h>
#else
#include <spawn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
extern char** environ;
#endif

#include "platform/files.h"

namespace platform {

#ifdef _WIN32

namespace {

// Quotes one argument for the Windows command line.
std::string Quote(const std::string& arg) {
  if (!arg.empty() && arg.find_first_of(" \t\"") == std::string::npos) return arg;
  std::string q = "\"";
  for (char c : arg) {
    if (c == '"') q += '\\';
    q += c;
  }
  return q + "\"";
}

}  // namespace

bool StartDetached(const ProcessStart& start, std::string* error) {
  std::string line = start.command_line;
  if (line.empty()) {
    line = Quote(start.program);
    for (const std::string& a : start.arguments) line += " " + Quote(a);
  }
  std::vector<char> buffer(line.begin(), line.end());
  buffer.push_back('\0');
  STARTUPINFOA si;
  PROCESS_INFORMATION pi;
  std::memset(&si, 0, sizeof si);
  si.cb = sizeof si;
  std::memset(&pi, 0, sizeof pi);
  // The program is named on its own, so a folder with blanks in it cannot
  // be taken for a shorter program's name and its arguments.
  if (!CreateProcessA(start.program.c_str(), buffer.data(), nullptr, nullptr, FALSE,
                      DETACHED_PROCESS | NORMAL_PRIORITY_CLASS, nullptr,
                      start.folder.empty() ? nullptr : start.folder.c_str(), &si, &pi)) {
    if (error) *error = "CreateProcess failed with code " + std::to_string(GetLastError());
    return false;
  }
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return true;
}

#else

namespace {

bool IsExecutableFile(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(path.c_str(), X_OK) == 0;
}

// The program file for `program`: itself when it names a folder, else the
// first executable file of that name along PATH. Empty when none.
std::string FindProgram(const std::string& program) {
  if (program.find('/') != std::string::npos) return IsExecutableFile(program) ? program : "";
  const char* path = std::getenv("PATH");
  for (const std::string& folder : SplitAt(path != nullptr ? path : "/usr/bin:/bin", ":")) {
    std::string candidate = (folder.empty() ? "." : folder) + "/" + program;
    if (IsExecutableFile(candidate)) return candidate;
  }
  return "";
}

}  // namespace

bool StartDetached(const ProcessStart& start, std::string* error) {
  std::string program = FindProgram(start.program);
  if (program.empty()) {
    if (error)
      *error = start.program.find('/') != std::string::npos
                   ? "not an executable file"
                   : "'" + start.program + "' was not found along PATH";
    return false;
  }
  if (!start.folder.empty()) {
    struct stat st;
    if (stat(start.folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
      if (error) *error = "the folder '" + start.folder + "' to start it in does not exist";
      return false;
    }
  }
  std::vector<std::string> args;
  args.push_back(start.program);
  args.insert(args.end(), start.arguments.begin(), start.arguments.end());
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(&a[0]);
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (!start.folder.empty()) posix_spawn_file_actions_addchdir_np(&actions, start.folder.c_str());
  pid_t pid;
  int rc = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (rc != 0) {
    if (error) *error = std::strerror(rc);
    return false;
  }
  return true;
}

#endif

}  // namespace platform
