#include "platform/process.h"

#include <cstring>

#ifdef _WIN32
#include <windows.h>
#else
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
extern char** environ;
#endif

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
#endif

bool StartDetached(const std::string& program, const std::vector<std::string>& arguments,
                   std::string* error) {
#ifdef _WIN32
  std::string line = Quote(program);
  for (const std::string& a : arguments) line += " " + Quote(a);
  std::vector<char> buffer(line.begin(), line.end());
  buffer.push_back('\0');
  STARTUPINFOA si;
  PROCESS_INFORMATION pi;
  std::memset(&si, 0, sizeof si);
  si.cb = sizeof si;
  std::memset(&pi, 0, sizeof pi);
  if (!CreateProcessA(program.c_str(), buffer.data(), nullptr, nullptr, FALSE,
                      DETACHED_PROCESS | NORMAL_PRIORITY_CLASS, nullptr, nullptr, &si, &pi)) {
    if (error) *error = "CreateProcess failed with code " + std::to_string(GetLastError());
    return false;
  }
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return true;
#else
  struct stat st;
  if (stat(program.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || access(program.c_str(), X_OK) != 0) {
    if (error) *error = "not an executable file";
    return false;
  }
  std::vector<std::string> args;
  args.push_back(program);
  args.insert(args.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(&a[0]);
  argv.push_back(nullptr);
  pid_t pid;
  int rc = posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ);
  if (rc != 0) {
    if (error) *error = std::strerror(rc);
    return false;
  }
  return true;
#endif
}

}  // namespace platform
