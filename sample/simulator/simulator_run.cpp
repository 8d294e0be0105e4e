#include "simulator_run.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include "core/rteprocs.h"
#include "platform/files.h"
#include "route_check.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace kavosim {

namespace {

std::string BaseName(const std::string& path) {
  std::size_t cut = path.find_last_of("/\\");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string FolderOf(const std::string& path) {
  std::size_t cut = path.find_last_of("/\\");
  if (cut == std::string::npos) return "";
  if (cut == 0) return path.substr(0, 1);
  return path.substr(0, cut);
}

// Reads the whole file; false with a reason when it cannot.
bool ReadRoute(const std::string& path, std::string* text, std::string* error) {
  if (platform::IsDirectory(path)) {
    *error = "'" + path + "' is a folder, not a route file";
    return false;
  }
  if (!platform::IsRegularFile(path)) {
    *error = "the route file '" + path + "' does not exist";
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    *error = "the route file '" + path + "' cannot be opened for reading";
    return false;
  }
  text->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) {
    *error = "the route file '" + path + "' could not be read to its end";
    return false;
  }
  return true;
}

// Things a route may name that the simulator would not find in its
// installation. They are warnings: the route itself is still playable.
std::vector<std::string> InstallationWarnings(const RouteSummary& summary,
                                              const std::string& program_folder,
                                              const CommandLine& command_line) {
  std::vector<std::string> warnings;
  if (!summary.train_folder.empty()) {
    std::string train = platform::ResolveRoutePath(platform::JoinPath(program_folder, "train"),
                                                   summary.train_folder);
    if (!platform::IsRegularFile(platform::JoinPath(train, "train.dat"))) {
      warnings.push_back("train folder '" + summary.train_folder + "' has no train.dat in " +
                         platform::JoinPath(program_folder, "train"));
    }
  }
  std::string objects = platform::JoinPath(platform::JoinPath(program_folder, "railway"), "object");
  for (const auto& [picture, line] : summary.marker_pictures) {
    if (!platform::IsRegularFile(platform::ResolveRoutePath(objects, picture))) {
      warnings.push_back("line " + std::to_string(line) + ": marker picture '" + picture +
                         "' is not in " + objects);
    }
  }
  if (command_line.developer_mode && summary.developer_id != kDeveloperCode) {
    warnings.push_back(
        std::string("developer mode is on but the route's developer id is ") +
        (summary.developer_id.empty() ? "missing" : "'" + summary.developer_id + "'"));
  }
  return warnings;
}

std::string FormatPosition(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

void WriteSummary(const RouteSummary& summary, std::ostream& report) {
  report << "lines: " << summary.lines << "\n";
  report << "track positions: " << summary.positions << "\n";
  report << "track commands: " << summary.track_commands << "\n";
  report << "section headers: " << summary.section_headers << "\n";
  report << "definitions: " << summary.definitions << "\n";
  report << "substitutions: " << summary.substitutions << "\n";
  report << "comments: " << summary.comments << "\n";
  report << "last track position: " << (summary.has_position ? summary.last_position : "none")
         << "\n";
  report << "highest track position: "
         << (summary.has_position ? FormatPosition(summary.highest_position) : "none") << "\n";
  report << "developer id: " << (summary.developer_id.empty() ? "none" : summary.developer_id)
         << "\n";
  report << "train folder: " << (summary.train_folder.empty() ? "none" : summary.train_folder)
         << "\n";
  report << "marker pictures: " << summary.marker_pictures.size() << "\n";
  report << "unknown statements: " << summary.problem_count << "\n";
  for (const std::string& problem : summary.problems) report << "  " << problem << "\n";
  if (summary.problem_count > static_cast<long>(summary.problems.size())) {
    report << "  ... and " << summary.problem_count - static_cast<long>(summary.problems.size())
           << " more\n";
  }
}

}  // namespace

bool ParseCommandLine(const std::vector<std::string>& args, CommandLine* command_line,
                      std::string* error) {
  if (args.size() < 2) {
    *error = "missing the route path";
    return false;
  }
  if (args.size() > 3) {
    *error =
        "too many arguments: expected the route path and at most " + std::string(kDeveloperSwitch);
    return false;
  }
  if (args[1].empty()) {
    *error = "the route path is empty";
    return false;
  }
  command_line->route = args[1];
  command_line->developer_mode = false;
  if (args.size() == 3) {
    if (args[2] != kDeveloperSwitch) {
      *error = "unknown switch '" + args[2] + "': the only switch is " + kDeveloperSwitch;
      return false;
    }
    command_line->developer_mode = true;
  }
  return true;
}

std::vector<std::string> SplitWindowsCommandLine(const std::string& line,
                                                 const std::string& program_path) {
  std::vector<std::string> words;
  size_t pos = 0;
  if (!line.empty() && line[0] == '"') {
    size_t close = line.find('"', 1);
    if (close == std::string::npos) close = line.size();
    words.push_back(line.substr(1, close - 1));
    pos = close + 1;
  } else if (!program_path.empty() && line.size() >= program_path.size() &&
             EqualsIgnoringCase(std::string_view(line).substr(0, program_path.size()),
                                program_path) &&
             (line.size() == program_path.size() || line[program_path.size()] == ' ' ||
              line[program_path.size()] == '\t')) {
    words.push_back(line.substr(0, program_path.size()));
    pos = program_path.size();
  } else {
    size_t blank = line.find_first_of(" \t");
    if (blank == std::string::npos) blank = line.size();
    if (blank > 0) words.push_back(line.substr(0, blank));
    pos = blank;
  }
  std::string word;
  bool in_word = false;
  bool quoted = false;
  for (; pos < line.size(); ++pos) {
    char c = line[pos];
    if (c == '"') {
      quoted = !quoted;
      in_word = true;
    } else if ((c == ' ' || c == '\t') && !quoted) {
      if (in_word) words.push_back(word);
      word.clear();
      in_word = false;
    } else {
      word += c;
      in_word = true;
    }
  }
  if (in_word) words.push_back(word);
  return words;
}

std::string ProgramFolder(const std::string& argv0) {
  std::string folder = FolderOf(argv0);
  if (!folder.empty()) return folder;
#ifndef _WIN32
  char path[4096];
  ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n > 0) {
    path[n] = '\0';
    folder = FolderOf(path);
    if (!folder.empty()) return folder;
  }
#endif
  return ".";
}

int RunSimulator(const std::vector<std::string>& args, const std::string& program_folder,
                 std::ostream& out, std::ostream& err) {
  std::string program = args.empty() ? "kavosim" : BaseName(args[0]);
  std::ostringstream report;
  report << "Kavo stand-in simulator\n";
  report << "program: " << program << "\n";

  int status = kExitRouteAccepted;
  CommandLine command_line;
  std::string error;
  if (!ParseCommandLine(args, &command_line, &error)) {
    err << program << ": " << error << "\n";
    err << "usage: " << program << " ROUTEPATH [" << kDeveloperSwitch << "]\n";
    report << "command line: refused (" << error << ")\n";
    status = kExitBadCommandLine;
  } else {
    report << "route: " << command_line.route << "\n";
    report << "developer mode: " << (command_line.developer_mode ? "on" : "off") << "\n";
    std::string text;
    if (!ReadRoute(command_line.route, &text, &error)) {
      err << program << ": " << error << "\n";
      report << "route file: unreadable (" << error << ")\n";
      status = kExitRouteUnreadable;
    } else {
      report << "route size: " << text.size() << " bytes\n";
      RouteSummary summary = CheckRoute(text);
      WriteSummary(summary, report);
      std::vector<std::string> warnings =
          InstallationWarnings(summary, program_folder, command_line);
      report << "warnings: " << warnings.size() << "\n";
      for (const std::string& warning : warnings) report << "  " << warning << "\n";
      if (!summary.ok()) {
        err << program << ": the route has " << summary.problem_count
            << " statement(s) the simulator does not know\n";
        status = kExitRouteRefused;
      }
    }
  }
  const char* results[] = {"route accepted", "route refused", "command line refused",
                           "route file unreadable"};
  report << "result: " << results[status] << "\n";
  report << "exit status: " << status << "\n";

  std::string text = report.str();
  out << text;
  out.flush();
  std::string report_path = platform::JoinPath(program_folder, kReportFileName);
  if (!platform::WriteFileReplacing(report_path, text.data(), text.size())) {
    err << program << ": cannot write the report " << report_path << "\n";
  }
  return status;
}

}  // namespace kavosim
