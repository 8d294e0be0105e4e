#ifndef LINEWRIGHT_SAMPLE_SIMULATOR_SIMULATOR_RUN_H
#define LINEWRIGHT_SAMPLE_SIMULATOR_SIMULATOR_RUN_H

#include <ostream>
#include <string>
#include <vector>

namespace kavosim {

// The switch that puts the simulator in developer mode; the route writer
// puts the same code into the route as its developer id.
constexpr const char* kDeveloperSwitch = "/d=40372958";
constexpr const char* kDeveloperCode = "40372958";
constexpr const char* kReportFileName = "kavosim-report.txt";

// Exit statuses.
constexpr int kExitRouteAccepted = 0;
constexpr int kExitRouteRefused = 1;  // the route has statements the simulator does not know
constexpr int kExitBadCommandLine = 2;
constexpr int kExitRouteUnreadable = 3;

struct CommandLine {
  std::string route;
  bool developer_mode = false;
};

// Reads `ROUTEPATH [/d=40372958]` from `args` (args[0] is the program).
// False with a reason in `error` for anything else.
bool ParseCommandLine(const std::vector<std::string>& args, CommandLine* command_line,
                      std::string* error);

// The words of a Windows command line as the simulator reads them. The
// program comes first: up to the closing quote when it is quoted; else
// `program_path` (the running program's own path) when the line starts
// with it, ignoring letter case, since the simulator's command line does
// not quote it even in a folder with blanks; else up to the first blank.
// The arguments after it are separated by blanks and tabs, and "..."
// groups blanks into one argument (the quotes are dropped).
std::vector<std::string> SplitWindowsCommandLine(const std::string& line,
                                                 const std::string& program_path);

// Folder of the running executable: the folder part of `argv0`, or, when
// argv0 names no folder, the folder of the program file the system reports
// (the current folder when it reports none). The report is written there
// and installation files (train folders, object pictures) are looked up
// there, whatever the executable is called.
std::string ProgramFolder(const std::string& argv0);

// The whole simulator: checks the command line and the route, writes the
// report to `out` and into kReportFileName in `program_folder`, problems to
// `err`, and returns the exit status.
int RunSimulator(const std::vector<std::string>& args, const std::string& program_folder,
                 std::ostream& out, std::ostream& err);

}  // namespace kavosim

#endif
