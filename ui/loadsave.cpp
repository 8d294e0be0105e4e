#include "ui/loadsave.h"

#include <climits>
#include <cstdlib>
#include <map>
#include <string_view>
#include <utility>

#include "core/mheader.h"
#include "core/rteprocs.h"
#include "platform/filesystem.h"
#include "platform/wine.h"
#include "sigsys/sigsys.h"

Settings global;

const char kConfigFileName[] = "linewright10_2.cfg";
const char kOutRouteName[] = "linewrighttemp.csv";

namespace {

const char kConfigNotRead[] =
    "Could not read the settings file; the default settings are used and the file is left as it "
    "is:";
const char kConfigNotSaved[] = "Could not save the settings file:";

// A folder line is cut to the longest path: kPathSize less the terminator.
constexpr size_t kFolderLineMax = kPathSize - 1;

// A folder setting as it was written, and the local folder it named.
struct WrittenFolder {
  std::string written;
  std::string local;
};
// Keyed by the field of `global` it belongs to.
std::map<const std::string*, WrittenFolder> written_folders;

// Strips the line end, then one trailing separator unless the line is a
// root such as "c:\" or "/".
std::string CleanFolderLine(std::string line) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (line.size() > kFolderLineMax) line.resize(kFolderLineMax);
  DropTrailingSeparator(&line);
  return line;
}

// Reads up to `count` whole numbers separated by blanks into `fields`, as
// scanf("%d %d ...") would; fields that are not there keep their values.
void ScanNumbers(const std::string& line, int* const* fields, int count) {
  const char* p = line.c_str();
  for (int i = 0; i < count; ++i) {
    char* end = nullptr;
    long long v = std::strtoll(p, &end, 10);
    if (end == p) return;
    if (v > INT_MAX) v = INT_MAX;
    if (v < INT_MIN) v = INT_MIN;
    *fields[i] = static_cast<int>(v);
    p = end;
  }
}

}  // namespace

void SetFolderSetting(std::string* field, std::string written) {
  *field = platform::LocalPath(written);
  written_folders[field] = {std::move(written), *field};
}

const std::string& FolderAsSaved(const std::string& field) {
  auto it = written_folders.find(&field);
  if (it != written_folders.end() && it->second.local == field) return it->second.written;
  return field;
}

void DropTrailingSeparator(std::string* folder) {
  bool root = folder->size() == 1 || (folder->size() == 3 && (*folder)[1] == ':');
  if (!root && !folder->empty() && (folder->back() == '\\' || folder->back() == '/'))
    folder->pop_back();
}

std::string OutRoutePath(const std::string& routefolder) {
  return platform::JoinPath(routefolder, kOutRouteName);
}

signed char RouteTypeOf(const std::string& filename) {
  if (filename.empty()) return kRouteNone;
  switch (AsciiLower(filename.back())) {
    case 'w':
      return kRouteSectioned;
    case 'v':
      return kRouteCsv;
    case 'r':
      return kRouteScript;
    default:
      return kRouteNone;
  }
}

void ResetGlobals() {
  global = Settings();
  written_folders.clear();
}

void SetDefaultFolders(Settings* settings) {
  settings->simfolder = "c:\\program files\\kavo";
  settings->routefolder = "c:\\program files\\kavo\\railway\\route";
  settings->trainfolder = "c:\\program files\\kavo\\train";
  settings->simexe = "kavo.exe";
}

bool HasControlCharacter(std::string_view text) {
  for (char c : text) {
    unsigned char u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F) return true;
  }
  return false;
}

void ReadConfigText(std::string_view text) {
  // Lines as a line reader gives them: cut at each LF, the last one
  // without it.
  size_t pos = 0;
  auto next = [&](std::string* line) {
    if (pos >= text.size()) return false;
    size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    line->assign(text.substr(pos, end - pos));
    pos = end + 1;
    return true;
  };
  std::string line;
  std::string* lines1to4[] = {&global.simfolder, &global.routefolder, &global.trainfolder,
                              &global.simexe};
  for (std::string* field : lines1to4) {
    if (!next(&line)) return;
    if (field == &global.simexe)
      *field = CleanFolderLine(line);
    else
      SetFolderSetting(field, CleanFolderLine(line));
  }
  int* line5[] = {&global.developermode, &global.randomtrackquality, &global.randomdwell,
                  &global.randomtraffic, &global.randomstart, &global.tilting};
  int* line6[] = {&global.signalmode, &global.adhesionmode, &global.statictrainmode,
                  &global.alternativechance, &global.timetablemode};
  int* line7[] = {&global.showerrors, &global.signaldistances, &global.starttime,
                  &global.loosetimetable};
  if (next(&line)) ScanNumbers(line, line5, 6);
  if (next(&line)) ScanNumbers(line, line6, 5);
  if (next(&line)) ScanNumbers(line, line7, 4);
  if (next(&line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() > static_cast<size_t>(kSignalSystemNameMax)) line.resize(kSignalSystemNameMax);
    sigsys.name = line;
  }
}

bool LoadConfig() {
  std::string text;
  platform::FileSystem& files = platform::Files();
  bool found = files.ReadFile(kConfigFileName, &text);
  if (!found) {
    // A file that is there but cannot be read is not replaced by the
    // defaults: SaveConfig leaves it alone too.
    if (files.LastError() != platform::FileError::kNotFound || platform::PathExists(kConfigFileName))
      ErrorMessage(kConfigNotRead, platform::LastFileErrorDetail().c_str());
    SetDefaultFolders(&global);
    for (std::string* folder : {&global.simfolder, &global.routefolder, &global.trainfolder})
      SetFolderSetting(folder, *folder);
  } else {
    ReadConfigText(text);
  }
  global.browsefolder = global.routefolder;
  global.outroutepath = OutRoutePath(global.routefolder);
  return found;
}

bool SaveConfig() {
  const std::string path = platform::AbsolutePath(kConfigFileName);
  // A line break in a value would shift every later line of the file.
  const std::pair<const char*, const std::string*> lines[] = {
      {"simulator folder", &FolderAsSaved(global.simfolder)},
      {"route folder", &FolderAsSaved(global.routefolder)},
      {"train folder", &FolderAsSaved(global.trainfolder)},
      {"simulator executable", &global.simexe},
      {"signal system name", &sigsys.name}};
  for (const auto& value : lines) {
    if (!HasControlCharacter(*value.second)) continue;
    std::string detail = path + ": the " + value.first +
                         " holds a line break or another control character, which the file "
                         "cannot keep; choose one without";
    ErrorMessage(kConfigNotSaved, detail.c_str());
    return false;
  }
  std::string old;
  if (platform::PathExists(kConfigFileName) && !platform::Files().ReadFile(kConfigFileName, &old)) {
    std::string detail = platform::LastFileErrorDetail() +
                         "; the file exists but cannot be read, so it is left as it is";
    ErrorMessage(kConfigNotSaved, detail.c_str());
    return false;
  }
  std::string text;
  text += FolderAsSaved(global.simfolder) + "\n";
  text += FolderAsSaved(global.routefolder) + "\n";
  text += FolderAsSaved(global.trainfolder) + "\n";
  text += global.simexe + "\n";
  auto join = [](std::initializer_list<int> values) {
    std::string s;
    for (int v : values) {
      if (!s.empty()) s += ' ';
      s += std::to_string(v);
    }
    return s + "\n";
  };
  text += join({global.developermode, global.randomtrackquality, global.randomdwell,
                global.randomtraffic, global.randomstart, global.tilting});
  text += join({global.signalmode, global.adhesionmode, global.statictrainmode,
                global.alternativechance, global.timetablemode});
  text += join({global.showerrors, global.signaldistances, global.starttime, global.loosetimetable});
  text += sigsys.name;
  if (!platform::WriteFileReplacing(kConfigFileName, text.data(), text.size())) {
    ErrorMessage(kConfigNotSaved, platform::LastFileErrorDetail().c_str());
    return false;
  }
  return true;
}
