#include "ui/route_info.h"

#include <gtest/gtest.h>

#include "ui/loadsave.h"
#include "test_support.h"

namespace {

TEST(StringExistsTest, FindsMatchesThatOverlapAFailedAttempt) {
  struct Case {
    const char* text;
    const char* pattern;
    int start;
    int end;  // position after the call; -1 for "not found"
  } cases[] = {
      {"x..timetable a", ".timetable", 0, 12},
      {"ffile", "file", 0, 5},
      {"With Train\r\n.FOLDER Red", ".folder", 0, 19},
      {".folder once", ".folder", 1, -1},
      {"fil", "file", 0, -1},
      {"ab\xFF" "file", "file", 0, -1},  // 0xFF ends the content
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    auto file = BufferedFile::FromText(c.text);
    file->setpos(c.start, 0);
    EXPECT_EQ(StringExists(c.pattern, file.get()), c.end >= 0);
    if (c.end >= 0) {
      EXPECT_EQ(file->getpos(), c.end);
    } else {
      EXPECT_EQ(file->getchar(), -1);
    }
  }
}

class RouteInfoTest : public ::testing::Test {
 protected:
  RouteInfo Read(const std::string& name, const std::string& text, signed char type) {
    WriteFile(dir_.File(name), text);
    ResetGlobals();
    global.browsefolder = dir_.path();
    global.routefile = name;
    global.routetype = type;
    RouteInfo info;
    EXPECT_TRUE(GetRouteInfo(&info));
    return info;
  }
  ScratchDir dir_;
};

TEST_F(RouteInfoTest, CommaSeparatedRouteCleansNameAndComment) {
  RouteInfo info = Read("line.csv",
                        "With Route\r\n.Comment First$chr(44) then$chr(13)second\r\n"
                        ".Timetable Two words$chr(13)three\r\nWith Train\r\n.Folder Red Hauler\r\n",
                        kRouteCsv);
  EXPECT_EQ(info.name, "Two words three");
  EXPECT_EQ(info.train, "Red Hauler");
  EXPECT_EQ(info.description, "First, then\r\nsecond");
}

TEST_F(RouteInfoTest, SectionedRouteDescribesItsSectionsInLowerCase) {
  RouteInfo info = Read("Hill.RW",
                        "; a comment line\r\nHill Line\r\n[Route]\r\nComment = Up The Hill\r\n"
                        "[Train]\r\nFile = Red Hauler\r\n[Railway]\r\n",
                        kRouteSectioned);
  EXPECT_EQ(info.name, "Hill.RW");
  EXPECT_EQ(info.train, "Red Hauler");
  EXPECT_EQ(info.description, "hill line\r\n[route]\r\ncomment = up the hill\r\n");
}

TEST_F(RouteInfoTest, ScriptRouteShowsItsNotesAndFileName) {
  RouteInfo info = Read("s.scr",
                        "#version<1>\n#notes<>\nThe notes.\n#endnotes<>\nWith Route\n.Timetable Ignored\n"
                        "With Train\n.Folder Blue Arrow\n",
                        kRouteScript);
  EXPECT_EQ(info.name, "s.scr");
  EXPECT_EQ(info.train, "Blue Arrow");
  EXPECT_EQ(info.description, "\nThe notes.\n");
}

TEST_F(RouteInfoTest, MissingPartsKeepTheDefaults) {
  RouteInfo info = Read("bare.csv", "With Route\r\n.Timetable\r\n.Gauge 1435\r\n", kRouteCsv);
  EXPECT_EQ(info.name, "");  // a timetable command without a text names nothing
  EXPECT_EQ(info.train, "Alapértelmezett vonat nem elérhető");
  EXPECT_EQ(info.description, "Description not available");
}

TEST_F(RouteInfoTest, AMissingFileCannotBeOpened) {
  ResetGlobals();
  global.browsefolder = dir_.path();
  global.routefile = "gone.csv";
  global.routetype = kRouteCsv;
  RouteInfo info;
  EXPECT_FALSE(GetRouteInfo(&info));
  EXPECT_EQ(info.name, "Unable to open file");
  EXPECT_EQ(info.description, "Description not available");
}

}  // namespace
