#include "ui/route_list.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace {

TEST(RouteListTest, ListsRouteFilesAndFoldersSortedFoldersFirst) {
  ScratchDir dir;
  for (const char* name : {"b.CSV", "a.rw", "c.Scr", "notes.txt", "linewrighttemp.csv", ".rw", "x.csv/keep",
                           "Sub/keep"})
    WriteFile(dir.File(name), "");
  std::vector<std::string> entries;
  ASSERT_TRUE(FillRouteList(dir.path(), &entries));
  // "." is not listed, ".." is; a folder named like a route is listed both ways.
  EXPECT_EQ(entries, (std::vector<std::string>{"  (..)", "  (Sub)", "  (x.csv)", "a.rw", "b.CSV", "c.Scr",
                                               "x.csv"}));
}

TEST(RouteListTest, AnUnlistableFolderLeavesTheListAlone) {
  std::vector<std::string> entries{"kept"};
  EXPECT_FALSE(FillRouteList("/nonexistent/linewright", &entries));
  EXPECT_EQ(entries, std::vector<std::string>{"kept"});
  EXPECT_FALSE(FillTrainList("/nonexistent/linewright", &entries));
  EXPECT_EQ(entries, std::vector<std::string>{"kept"});
}

TEST(TrainListTest, ListsFoldersHoldingTrainDatInAnyCase) {
  ScratchDir dir;
  WriteFile(dir.File("Red/train.dat"), "");
  WriteFile(dir.File("blue/TRAIN.DAT"), "");
  WriteFile(dir.File("Workshop/notes.txt"), "");
  WriteFile(dir.File("train.dat"), "");  // the folder itself is no train
  // Names that would end the route's train command cannot be chosen.
  WriteFile(dir.File("Class 50, blue/train.dat"), "");
  WriteFile(dir.File("a;b/train.dat"), "");
  std::vector<std::string> entries;
  ASSERT_TRUE(FillTrainList(dir.path(), &entries));
  EXPECT_EQ(entries, (std::vector<std::string>{"blue", "Red"}));
}

TEST(RouteListTest, EntriesAreClassifiedAndColouredByTheirText) {
  struct Case {
    const char* entry;
    EntryKind kind;
    Rgb colour;
  } cases[] = {
      {"  (Starter)", EntryKind::kFolder, {255, 240, 193}},
      {"  (x.csv)", EntryKind::kFolder, {255, 240, 193}},
      {"LINE.CSV", EntryKind::kRoute, {225, 255, 193}},
      {"line.rw", EntryKind::kRoute, {255, 207, 207}},
      {"line.SCR", EntryKind::kRoute, {221, 222, 255}},
      {"(odd)", EntryKind::kOther, {255, 240, 193}},
      {"readme.txt", EntryKind::kOther, {255, 255, 255}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry);
    EXPECT_EQ(ClassifyEntry(c.entry), c.kind);
    Rgb got = EntryBackground(c.entry);
    EXPECT_EQ(got.red, c.colour.red);
    EXPECT_EQ(got.green, c.colour.green);
    EXPECT_EQ(got.blue, c.colour.blue);
  }
  EXPECT_EQ(FolderEntryName("  (x.csv)"), "x.csv");
  EXPECT_EQ(FolderEntryName("  (..)"), "..");
}

TEST(RouteListTest, GoingUpNeverCutsARoot) {
  const char* cases[][2] = {
      {"/top", "/"},           {"/", "/"},
      {"/a/b", "/a"},          {"/a/b/", "/a"},
      {"c:\\kavo", "c:\\"},    {"c:\\", "c:\\"},
      {"c:\\kavo\\route", "c:\\kavo"},
      {"c:/kavo", "c:/"},      {"rel/dir", "rel"},
      {"rel", "rel"},
  };
  for (auto& c : cases) EXPECT_EQ(ParentFolder(c[0]), c[1]) << c[0];
  EXPECT_EQ(JoinFolder("c:\\", "kavo"), "c:\\kavo");
  EXPECT_EQ(JoinFolder("/", "kavo"), "/kavo");
}

}  // namespace
