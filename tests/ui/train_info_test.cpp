#include "ui/train_info.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <filesystem>

#include "platform/files.h"
#include "test_support.h"

namespace {

TEST(TrainInfoTest, FindsFilesInAnyCaseAndCutsTheText) {
  ScratchDir dir;
  WriteFile(dir.File("Red/Train.TXT"), std::string(5000, 'a'));
  WriteFile(dir.File("Red/TRAIN.BMP"), "x");
  WriteFile(dir.File("Red/Panel.bmp"), "x");
  TrainInfo info = ReadTrainInfo(dir.path(), "Red");
  EXPECT_EQ(info.name, "Red");
  EXPECT_EQ(info.description, std::string(4090, 'a'));
  // The files themselves; Windows names them as asked, other systems as
  // they are spelt.
  EXPECT_TRUE(std::filesystem::equivalent(info.train_picture, dir.File("Red/TRAIN.BMP")));
  ASSERT_EQ(info.panel_pictures.size(), 2u);
  EXPECT_EQ(info.panel_pictures[0], platform::JoinPath(dir.File("Red"), "panel2.bmp"));  // missing: tried first all the same
  EXPECT_TRUE(std::filesystem::equivalent(info.panel_pictures[1], dir.File("Red/Panel.bmp")));
  EXPECT_EQ(ReadTrainInfo(dir.path(), "Blue").description, "");
}

// The first 26 bytes of a bitmap: "BM", the file header, the info header's
// size and the picture's width and height.
std::string BitmapHeader(uint32_t infoSize, int64_t width, int64_t height) {
  std::string header = "BM" + std::string(12, '\0');
  auto put = [&header](uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) header += static_cast<char>((value >> (8 * i)) & 0xFF);
  };
  put(infoSize, 4);
  const int side = infoSize == 12 ? 2 : 4;
  put(static_cast<uint64_t>(width), side);
  put(static_cast<uint64_t>(height), side);
  return header + std::string(26 - header.size(), '\0');
}

TEST(BitmapLimitsTest, SidesAndFileSizeWithinTheLimitsOnly) {
  const struct {
    std::string header;
    long long bytes;
    bool within;
  } cases[] = {
      {BitmapHeader(40, 202, 129), 1000, true},
      {BitmapHeader(40, kMaxPictureSide, kMaxPictureSide), kMaxPictureBytes, true},
      {BitmapHeader(40, kMaxPictureSide + 1, 1), 1000, false},
      {BitmapHeader(124, 10, -kMaxPictureSide), 1000, true},  // top-down
      {BitmapHeader(40, 10, -kMaxPictureSide - 1), 1000, false},
      {BitmapHeader(40, 10, INT32_MIN), 1000, false},
      {BitmapHeader(40, 0, 10), 1000, false},
      {BitmapHeader(40, -10, 10), 1000, false},
      {BitmapHeader(12, 65535, 10), 1000, false},  // the old core header: 16-bit sides
      {BitmapHeader(12, 300, 200), 1000, true},
      {BitmapHeader(40, 10, 10), kMaxPictureBytes + 1, false},
      {"GIF89a" + BitmapHeader(40, 10, 10).substr(6), 1000, false},
      {BitmapHeader(40, 10, 10).substr(0, 25), 1000, false},  // cut short
  };
  for (const auto& c : cases)
    EXPECT_EQ(BitmapHeaderWithinLimits(c.header, c.bytes), c.within) << ::testing::PrintToString(c.header);
}

TEST(BitmapLimitsTest, ReadsTheFilesHeaderAndSize) {
  ScratchDir dir;
  WriteFile(dir.File("small.bmp"), BitmapHeader(40, 4, 4) + std::string(64, '\0'));
  WriteFile(dir.File("huge.bmp"), BitmapHeader(40, 100000, 4));
  EXPECT_TRUE(BitmapWithinLimits(dir.File("small.bmp")));
  EXPECT_FALSE(BitmapWithinLimits(dir.File("huge.bmp")));
  EXPECT_FALSE(BitmapWithinLimits(dir.File("missing.bmp")));
}

}  // namespace
