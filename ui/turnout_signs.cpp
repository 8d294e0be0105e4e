#include "ui/turnout_signs.h"

#include <cerrno>

#include "platform/file_error.h"
#include "platform/files.h"

namespace {

// The existing folder `name` in `parent` in any letter case, or a new one.
// Empty when there is none and it cannot be made.
std::string FolderIn(const std::string& parent, const std::string& name, bool create) {
  std::string found = platform::ResolveRoutePath(parent, name);
  if (platform::IsDirectory(found)) return found;
  std::string made = platform::JoinPath(parent, name);
  if (create && platform::MakeDirectory(made)) return made;
  return std::string();
}

}  // namespace

bool InstallTurnoutSigns(const std::string& simfolder, TurnoutSignInstall* result) {
  *result = TurnoutSignInstall();
  std::string objects = FolderIn(simfolder, "railway/object", false);
  if (objects.empty()) {
    result->folder = platform::JoinPath(simfolder, "railway/object");
    result->error = "the simulator folder '" + simfolder +
                    "' has no railway/object folder; is it the simulator's folder?";
    return false;
  }
  std::string folder = objects;
  for (const char* part : {"LINEWRIGHT", "objs"}) {
    std::string next = FolderIn(folder, part, true);
    if (next.empty()) {
      result->folder = platform::JoinPath(folder, part);
      result->error = "cannot create the folder '" + result->folder + "'";
      return false;
    }
    folder = next;
  }
  result->folder = folder;
  for (const TurnoutSign& sign : kTurnoutSigns) {
    if (platform::IsRegularFile(platform::ResolveRoutePath(folder, sign.name))) continue;
    std::string path = platform::JoinPath(folder, sign.name);
    errno = 0;
    if (!platform::WriteNewFile(path, reinterpret_cast<const char*>(sign.data), sign.size)) {
      result->error =
          "cannot write " + platform::FileErrorDetail(path, platform::FileErrorFromErrno(errno));
      return false;
    }
    result->installed.push_back(sign.name);
  }
  return true;
}

std::string TurnoutSignNames(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
  return text;
}
