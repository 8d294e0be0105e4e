// The sample installation is data we commit; these checks catch a file that
// went missing or a checkout that changed its bytes (line ends, pictures).

#include <gtest/gtest.h>

#include <string>

#include "test_support.h"

namespace {

std::string Kavo(const std::string& relative) { return SourcePath("sample/kavo/" + relative); }

unsigned Le16(const std::string& b, std::size_t at) {
  return static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8;
}

unsigned Le32(const std::string& b, std::size_t at) { return Le16(b, at) | Le16(b, at + 2) << 16; }

TEST(SampleInstallation, RoutesOfEveryKindUseWindowsLineEnds) {
  for (const char* name : {"starter.csv", "starter.rw", "starter.scr"}) {
    std::string text = ReadFile(Kavo(std::string("railway/route/Starter/") + name));
    ASSERT_GT(text.size(), 200u) << name;
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '\n') {
        ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << name << " byte " << i;
      } else if (text[i] == '\r') {
        ASSERT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << name << " byte " << i;
      }
    }
  }
}

TEST(SampleInstallation, TurnoutSignsAreSquareGifs) {
  for (const char* name : {"turnout.gif", "turnout2.gif", "turnout3.gif", "turnout4.gif"}) {
    std::string gif = ReadFile(Kavo(std::string("railway/object/LINEWRIGHT/objs/") + name));
    ASSERT_GT(gif.size(), 13u) << name;
    EXPECT_EQ(gif.substr(0, 6), "GIF89a") << name;
    EXPECT_EQ(Le16(gif, 6), 64u) << name;
    EXPECT_EQ(Le16(gif, 8), 64u) << name;
    EXPECT_EQ(gif.back(), ';') << name;
  }
  // Left and right signs are mirror images, not copies.
  EXPECT_NE(ReadFile(Kavo("railway/object/LINEWRIGHT/objs/turnout.gif")),
            ReadFile(Kavo("railway/object/LINEWRIGHT/objs/turnout2.gif")));
}

TEST(SampleInstallation, TrainsHaveTheirFilesAndOtherFoldersDoNot) {
  struct Train {
    const char* folder;
    bool has_panel2;
  };
  for (const Train& t : {Train{"Blue Arrow", false}, Train{"Red Hauler", true}}) {
    std::string folder = std::string("train/") + t.folder + "/";
    EXPECT_FALSE(ReadFile(Kavo(folder + "train.dat")).empty()) << t.folder;
    EXPECT_FALSE(ReadFile(Kavo(folder + "train.txt")).empty()) << t.folder;
    for (const char* picture : {"train.bmp", "panel.bmp", "panel2.bmp"}) {
      std::string bmp = ReadFile(Kavo(folder + picture));
      if (std::string(picture) == "panel2.bmp" && !t.has_panel2) {
        EXPECT_TRUE(bmp.empty()) << t.folder << " " << picture;
        continue;
      }
      ASSERT_GE(bmp.size(), 54u) << t.folder << " " << picture;
      EXPECT_EQ(bmp.substr(0, 2), "BM") << t.folder << " " << picture;
      EXPECT_EQ(Le32(bmp, 2), bmp.size()) << t.folder << " " << picture;
      EXPECT_EQ(Le16(bmp, 28), 24u) << t.folder << " " << picture;
    }
  }
  EXPECT_TRUE(ReadFile(Kavo("train/Workshop/train.dat")).empty());
  EXPECT_FALSE(ReadFile(Kavo("train/Workshop/notes.txt")).empty());
}

}  // namespace
