#include <gtest/gtest.h>

#include <vector>

#include "platform/files.h"
#include "platform/filesystem.h"
#include "platform/progress.h"
#include "platform/random.h"
#include "test_support.h"

namespace {

TEST(RandomTest, ClassicFifteenBitSequence) {
  platform::SeedRandom(1);
  EXPECT_EQ(platform::Random(), 41);
  EXPECT_EQ(platform::Random(), 18467);
  EXPECT_EQ(platform::Random(), 6334);
  EXPECT_EQ(platform::Random(), 26500);
  platform::SeedRandom(1);
  EXPECT_EQ(platform::Random(), 41);
  platform::SeedRandom(0xFFFFFFFFu);
  for (int i = 0; i < 1000; ++i) {
    int v = platform::Random();
    ASSERT_GE(v, 0);
    ASSERT_LE(v, platform::kRandomMax);
  }
}

TEST(FilesTest, IncludesStayInsideTheirRoot) {
  struct Case {
    const char* folder;  // the route's folder, below the root "/kavo/route"
    const char* name;
    bool inside;
  } cases[] = {
      {"/kavo/route/Starter", "x.txt", true},
      {"/kavo/route/Starter", "..\\common\\x.txt", true},
      {"/kavo/route/Starter", "../common/./x.txt", true},
      {"/kavo/route/Starter/", "a/../../x.txt", true},
      {"/kavo/route/Starter", "..\\..\\x.txt", false},
      {"/kavo/route/Starter", "../../route/x.txt", true},
      {"/kavo/route/Starter", "../../route2/x.txt", false},
      {"/kavo/route/Starter", "/etc/passwd", false},
      {"/kavo/route/Starter", "\\etc\\passwd", false},
      {"/kavo/route/Starter", "c:\\x.txt", false},
      {"/kavo/route/Starter", "../../../../../../../../etc/passwd", false},
      {"/kavo/route", "..", false},
      {"/kavo/route", "", true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(platform::StaysInside("/kavo/route", c.folder, c.name), c.inside)
        << c.folder << " + " << c.name;
}

TEST(ProgressTest, PercentIsClampedAndSafe) {
  EXPECT_EQ(platform::ProgressPercent(0, 0), 100);
  EXPECT_EQ(platform::ProgressPercent(5, 0), 100);
  EXPECT_EQ(platform::ProgressPercent(1, 3), 33);
  EXPECT_EQ(platform::ProgressPercent(-1, 3), 0);
  EXPECT_EQ(platform::ProgressPercent(7, 3), 100);
  EXPECT_EQ(platform::ProgressPercent(3000000000LL, 3000000000LL), 100);
  platform::ReportProgress(nullptr, 1, 2);  // no sink: nothing happens
}

TEST(ProgressTest, MeterReportsOnlyChangedPercentages) {
  struct Recorder : platform::ProgressSink {
    std::vector<int> seen;
    void SetPosition(int percent) override { seen.push_back(percent); }
  } sink;
  platform::ProgressMeter meter(&sink, 200);
  for (long long position : {0, 1, 2, 3, 100, 101, 200, 200}) meter.At(position);
  EXPECT_EQ(sink.seen, (std::vector<int>{0, 1, 50, 100}));
  platform::ProgressMeter nobody(nullptr, 10);
  nobody.At(5);  // no sink: nothing happens
}

TEST(PathsTest, JoinAndCaseInsensitiveLookup) {
  ScratchDir dir;
  std::string joined = platform::JoinPath("a", "b.csv");
  EXPECT_EQ(joined, std::string("a") + platform::kPathSeparator + "b.csv");
  ASSERT_TRUE(WriteFile(dir.File("Objects/Trees/Oak.B3D"), "x"));
  std::string found = platform::ResolveRoutePath(dir.path(), "objects\\trees\\oak.b3d");
  EXPECT_TRUE(platform::IsRegularFile(found)) << found;
  EXPECT_EQ(ReadFile(found), "x");
  std::string missing = platform::ResolveRoutePath(dir.path(), "objects\\none.b3d");
  EXPECT_FALSE(platform::IsRegularFile(missing));
}

TEST(FilesTest, ListingAndAtomicWrites) {
  ScratchDir dir;
  ASSERT_TRUE(platform::WriteFileReplacing("a.txt", "one", 3));
  ASSERT_TRUE(platform::WriteFileReplacing("a.txt", "two!", 4));
  EXPECT_EQ(ReadFile("a.txt"), "two!");
  EXPECT_FALSE(platform::WriteFileReplacing("missing/a.txt", "x", 1));
  std::vector<platform::DirEntry> entries;
  ASSERT_TRUE(platform::ListDirectory(".", &entries));
  bool seen = false;
  for (auto& e : entries) seen |= e.name == "a.txt" && !e.is_directory;
  EXPECT_TRUE(seen);
  EXPECT_FALSE(platform::ListDirectory("missing", &entries));
  EXPECT_TRUE(platform::RemoveFile("a.txt"));
  EXPECT_FALSE(platform::RemoveFile("a.txt"));
}

TEST(FileSystemTest, MovesAndCopiesNeverReplaceAFile) {
  ScratchDir dir;
  platform::FileSystem& files = platform::Files();
  WriteFile("a", "first");
  WriteFile("b", "second");
  EXPECT_FALSE(files.Rename("a", "b"));
  EXPECT_FALSE(files.Copy("a", "b"));
  EXPECT_EQ(ReadFile("a"), "first");
  EXPECT_EQ(ReadFile("b"), "second");
  EXPECT_TRUE(files.Copy("a", "c"));
  EXPECT_TRUE(files.Rename("c", "d"));
  std::string bytes;
  EXPECT_TRUE(files.ReadFile("d", &bytes));
  EXPECT_EQ(bytes, "first");
  EXPECT_FALSE(files.Exists("c"));
  EXPECT_FALSE(files.Copy("missing", "e"));
  EXPECT_FALSE(files.Exists("e"));
  EXPECT_FALSE(files.Remove("missing"));
}

}  // namespace
