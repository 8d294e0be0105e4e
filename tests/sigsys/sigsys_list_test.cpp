#include "sigsys/sigsys_list.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace {

TEST(ListSignalSystems, ListsTrimmedNamesOfValidFoldersInFolderOrder) {
  ScratchDir dir;
  WriteFile(dir.File("zeta/sigsys.txt"), " Mine \r\ndescription\r\n#end#\r\n");
  WriteFile(dir.File("alpha/SIGSYS.TXT"), "Alpha lights\n");
  WriteFile(dir.File("long/sigsys.txt"), "A name longer than fifteen\n");
  WriteFile(dir.File("sixteen_chars_xx/sigsys.txt"), "Too long a folder\n");
  WriteFile(dir.File("empty/readme.txt"), "no definition here\n");
  WriteFile(dir.File("sigsys.txt"), "Not a folder\n");

  std::vector<SignalSystemEntry> systems = ListSignalSystems(".");
  ASSERT_EQ(systems.size(), 3u);
  EXPECT_EQ(systems[0].folder, "alpha");
  EXPECT_EQ(systems[0].name, "Alpha lights");
  EXPECT_EQ(systems[1].folder, "long");
  EXPECT_EQ(systems[1].name, "A name longer t");
  EXPECT_EQ(systems[2].folder, "zeta");
  EXPECT_EQ(systems[2].name, "Mine");
}

TEST(ListSignalSystems, AnUnlistableFolderGivesNoSystems) {
  EXPECT_TRUE(ListSignalSystems("/nonexistent/linewright").empty());
}

}  // namespace
