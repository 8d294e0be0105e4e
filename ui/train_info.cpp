#include "ui/train_info.h"

#include <cstdint>
#include <fstream>

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

namespace {

// "BM", the file header (14 bytes), then the info header: its size, and
// the width and height, 16-bit in the old 12-byte core header, 32-bit
// (the height negative for a top-down bitmap) in every later one.
constexpr size_t kFileHeaderSize = 14;
constexpr size_t kCoreHeaderSize = 12;
constexpr size_t kHeaderBytesRead = 26;

long long LittleEndian(std::string_view bytes, size_t at, size_t count) {
  unsigned long long value = 0;
  for (size_t i = count; i-- > 0;) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return static_cast<long long>(value);
}

bool SideWithinLimit(long long side) { return side > 0 && side <= kMaxPictureSide; }

}  // namespace

bool BitmapHeaderWithinLimits(std::string_view header, long long fileBytes) {
  if (fileBytes > kMaxPictureBytes || header.size() < kHeaderBytesRead || header.substr(0, 2) != "BM")
    return false;
  long long width, height;
  if (LittleEndian(header, kFileHeaderSize, 4) == static_cast<long long>(kCoreHeaderSize)) {
    width = LittleEndian(header, 18, 2);
    height = LittleEndian(header, 20, 2);
  } else {
    width = static_cast<int32_t>(LittleEndian(header, 18, 4));
    height = static_cast<int32_t>(LittleEndian(header, 22, 4));
    if (height < 0) height = -height;
  }
  return SideWithinLimit(width) && SideWithinLimit(height);
}

bool BitmapWithinLimits(const std::string& path) {
  // A picture that is a named pipe would make the opening wait.
  if (!platform::IsRegularFile(path)) return false;
  std::ifstream file(path, std::ios::binary | std::ios::ate);
  if (!file) return false;
  const long long size = static_cast<long long>(file.tellg());
  std::string header(kHeaderBytesRead, '\0');
  file.seekg(0);
  file.read(&header[0], static_cast<std::streamsize>(header.size()));
  header.resize(static_cast<size_t>(file.gcount()));
  return BitmapHeaderWithinLimits(header, size);
}
