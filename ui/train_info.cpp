#include "ui/train_info.h"


#include "platform/files.h"
#include "platform/filesystem.h"

namespace {

constexpr std::size_t kDescriptionMax = 4090;

}  // namespace

TrainInfo ReadTrainInfo(const std::string& trainfolder, const std::string& trainname) {
  TrainInfo info;
  info.name = trainname;
  const std::string folder = platform::JoinPath(trainfolder, trainname);
  // Through the file system: a train.txt that is a named pipe is refused
  // instead of waited on.
  std::string text;
  if (platform::Files().ReadFile(platform::ResolveRoutePath(folder, "train.txt"), &text))
    info.description = text.substr(0, kDescriptionMax);
  info.train_picture = platform::ResolveRoutePath(folder, "train.bmp");
  info.panel_pictures = {platform::ResolveRoutePath(folder, "panel2.bmp"),
                         platform::ResolveRoutePath(folder, "panel.bmp")};
  return info;
}
