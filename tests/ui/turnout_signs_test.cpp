#include "ui/turnout_signs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>

#include "platform/files.h"
#include "test_support.h"

namespace {

std::string Bytes(const TurnoutSign& sign) {
  return std::string(reinterpret_cast<const char*>(sign.data), sign.size);
}

TEST(TurnoutSigns, ProgramCarriesTheSamplePictures) {
  for (const TurnoutSign& sign : kTurnoutSigns)
    EXPECT_EQ(Bytes(sign), ReadFile(SourcePath(std::string("sample/kavo/railway/object/LINEWRIGHT/objs/") +
                                               sign.name)))
        << sign.name;
}

TEST(TurnoutSigns, InstallsIntoTheObjectFolderInAnyLetterCaseAndNeverReplaces) {
  ScratchDir dir;
  // The installation's own spelling of the folders, and one sign already there.
  ASSERT_TRUE(WriteFile(dir.File("kavo/Railway/OBJECT/linewright/Objs/Turnout4.GIF"), "theirs"));
  TurnoutSignInstall install;
  ASSERT_TRUE(InstallTurnoutSigns(dir.File("kavo"), &install)) << install.error;
  std::string folder = dir.File("kavo/Railway/OBJECT/linewright/Objs");
  // Windows finds the folder by the name as written; elsewhere it is named
  // as it is spelt on disk. Either way it is the installation's folder.
  EXPECT_TRUE(std::filesystem::equivalent(install.folder, folder)) << install.folder;
  EXPECT_EQ(TurnoutSignNames(install.installed), "turnout.gif, turnout2.gif, turnout3.gif");
  EXPECT_EQ(ReadFile(folder + "/turnout.gif"), Bytes(kTurnoutSigns[0]));
  EXPECT_EQ(ReadFile(folder + "/Turnout4.GIF"), "theirs");
  // No second turnout4.gif beside theirs.
  auto entries = std::filesystem::directory_iterator(folder);
  EXPECT_EQ(std::distance(begin(entries), end(entries)), 4);

  ASSERT_TRUE(InstallTurnoutSigns(dir.File("kavo"), &install));
  EXPECT_TRUE(install.installed.empty());
}

TEST(TurnoutSigns, RefusesAFolderWithoutObjectFolder) {
  ScratchDir dir;
  platform::MakeDirectory(dir.File("kavo"));
  TurnoutSignInstall install;
  EXPECT_FALSE(InstallTurnoutSigns(dir.File("kavo"), &install));
  EXPECT_EQ(install.error, "the simulator folder '" + dir.File("kavo") +
                               "' has no railway/object folder; is it the simulator's folder?");
  EXPECT_FALSE(std::filesystem::exists(dir.File("kavo/railway")));
}

}  // namespace
