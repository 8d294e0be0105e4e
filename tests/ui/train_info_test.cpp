#include "ui/train_info.h"

#include <gtest/gtest.h>

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

}  // namespace
