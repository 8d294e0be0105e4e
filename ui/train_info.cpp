#include "ui/train_info.h"

#include <fstream>

#include "platform/files.h"

namespace {

constexpr std::streamsize kDescriptionMax = 4090;

}  // namespace

TrainInfo ReadTrainInfo(const std::string& trainfolder, const std::string& trainname) {
  TrainInfo info;
  info.name = trainname;
  const std::string folder = platform::JoinPath(trainfolder, trainname);
  std::ifstream text(platform::ResolveRoutePath(folder, "train.txt"), std::ios::binary);
  if (text) {
    info.description.resize(kDescriptionMax);
    text.read(&info.description[0], kDescriptionMax);
    info.description.resize(static_cast<size_t>(text.gcount()));
  }
  info.train_picture = platform::ResolveRoutePath(folder, "train.bmp");
  info.panel_pictures = {platform::ResolveRoutePath(folder, "panel2.bmp"),
                         platform::ResolveRoutePath(folder, "panel.bmp")};
  return info;
}
