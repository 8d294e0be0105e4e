#include "ui/folder_settings.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "test_support.h"
#include "ui/loadsave.h"

namespace {

class FolderSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobals();
    LoadConfig();
  }
  ScratchDir dir_;
  RecordedMessages messages_;
};

TEST_F(FolderSettingsTest, EmptyFieldsKeepTheirFoldersAndSeparatorsAreDropped) {
  global.browsefolder = "somewhere/below";
  FolderForm form = OpenFolderSettings();
  EXPECT_EQ(form.routefolder, "c:\\program files\\kavo\\railway\\route");
  form.simfolder = "c:\\";
  form.routefolder = "";
  form.trainfolder = "d:\\trains\\";
  form.simexe = std::string(260, 'x');
  ASSERT_TRUE(SaveFolderSettings(form));
  EXPECT_EQ(global.simfolder, "c:\\");  // a root keeps its separator
  EXPECT_EQ(global.routefolder, "c:\\program files\\kavo\\railway\\route");
  EXPECT_EQ(global.trainfolder, "d:\\trains");
  EXPECT_EQ(global.simexe, "kavo.exe");
  EXPECT_EQ(global.browsefolder, global.routefolder);
  ASSERT_EQ(messages_.errors.size(), 1u);  // the over-long text is reported
  ResetGlobals();
  LoadConfig();
  EXPECT_EQ(global.trainfolder, "d:\\trains");
}

TEST_F(FolderSettingsTest, AFailedSaveIsReportedAndKeepsTheEdits) {
  std::filesystem::create_directory("linewright10_2.cfg");  // cannot be replaced by a file
  FolderForm form = OpenFolderSettings();
  form.routefolder = "/srv/kavo/route/";
  EXPECT_FALSE(SaveFolderSettings(form));
  ASSERT_EQ(messages_.errors.size(), 1u);
  EXPECT_EQ(global.routefolder, "/srv/kavo/route");
  EXPECT_EQ(global.browsefolder, "/srv/kavo/route");
  EXPECT_EQ(global.outroutepath, OutRoutePath("/srv/kavo/route"));
}

TEST_F(FolderSettingsTest, OnlyMentesSaves) {
  FolderForm form = OpenFolderSettings();
  form.trainfolder = "d:\\trains";
  for (int result : {kFolderSettingsCancelled, -1, 0, 2}) {
    EXPECT_EQ(FinishFolderSettings(result, form), kFolderSettingsCancelled) << result;
    EXPECT_EQ(global.trainfolder, "c:\\program files\\kavo\\train") << result;
    EXPECT_FALSE(std::filesystem::exists("linewright10_2.cfg")) << result;
  }
  EXPECT_EQ(FinishFolderSettings(kFolderSettingsSaved, form), kFolderSettingsSaved);
  EXPECT_EQ(global.trainfolder, "d:\\trains");
  EXPECT_TRUE(std::filesystem::exists("linewright10_2.cfg"));
}

}  // namespace
