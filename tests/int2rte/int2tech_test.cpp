#include "int2rte/int2tech.h"

#include <gtest/gtest.h>

#include <string>

#include "intermediate_builder.h"
#include "test_support.h"

namespace {

const char kHead[] =
    "<html><head><style type=text/css>\r\n"
    "table {font-family:arial;font-size:8pt;}\r\n"
    "td.path {background-color:#FFFFDD;}\r\n"
    "</style></head><body><center><table cellspacing=2 cellpadding=2 border=2>";
const char kTail[] = "</table></center></body></html>";

std::string Chart(const std::string& intermediate, int* result = nullptr) {
  ScratchDir dir;
  WriteFile(dir.File("linewright.tmp"), intermediate);
  int r = Intermediate2Tech(nullptr);
  if (result) *result = r;
  return ReadFile(dir.File("chart.html"));
}

// The cells of tracks that are not shown, from `first` to 15.
std::string Hidden(int first) {
  std::string cells;
  for (int i = first; i < 16; ++i) cells += "<td></td><td></td><td></td>";
  return cells;
}

const char kMainTrack[] = "<td></td><td class=\"path\">Tr #0, ty:0, x:0.0, y:0.0</td><td></td>";

TEST(ChartTest, RowsOnlyAtMultiplesOf25WithContent) {
  std::string in = Cmd(0, "0") + Cmd(60, "1;3.5;0.25;2") + Cmd(80, "1;0;7") + Cmd(0, "10") +
                   Cmd(82, "0;-1;4") + Cmd(0, "25") + Cmd(75, "A&B <\"x\">") + Cmd(0, "30") +
                   Cmd(0, "50") + Cmd(0, "75") + Cmd(60, "2;1") + Cmd(0, "100") + Cmd(61, "1");
  int result = 0;
  std::string html = Chart(in, &result);
  EXPECT_EQ(result, 1);
  // The wall with side 0 stands in both cells of track 1; the dike with
  // side -1 only on the left of track 0. The changes at 10 show in row 25.
  std::string track1 = "<td>> W 7<br></td><td>Tr #1, ty:2, x:3.5, y:0.2</td><td>< W 7<br></td>";
  EXPECT_EQ(html, std::string(kHead) + "<tr><th>0</th>" + kMainTrack + track1 + Hidden(2) + "</tr>" +
                      "<tr><th>25<br>A&amp;B &lt;&quot;x&quot;&gt;</th>" +
                      "<td>> D 4<br></td><td class=\"path\">Tr #0, ty:0, x:0.0, y:0.0</td><td></td>" +
                      track1 + Hidden(2) + "</tr>" + "<tr><th>75</th>" +
                      "<td>> D 4<br></td><td class=\"path\">Tr #0, ty:0, x:0.0, y:0.0</td><td></td>" +
                      track1 + "<td></td><td>Tr #2, ty:0, x:1.0, y:0.0</td><td></td>" + Hidden(3) +
                      "</tr>" + kTail);
}

TEST(ChartTest, NoRowsWithoutContentOnTheGrid) {
  std::string in = Cmd(0, "10") + Cmd(60, "1;2") + Cmd(0, "20") + Cmd(0, "25") + Cmd(0, "50") +
                   Cmd(60, "1;3");
  EXPECT_EQ(Chart(in), std::string(kHead) + kTail);
}

TEST(ChartTest, PathShadingFollowsThePathLines) {
  std::string in = Cmd(0, "0") + Cmd(60, "1;2") + Cmd(-2, "1;0;1") + Cmd(0, "25") + Cmd(60, "1;3") +
                   Cmd(-2, "1;1;0") + Cmd(0, "50") + Cmd(61, "1") + Cmd(0, "75");
  std::string html = Chart(in);
  std::string plainMain = "<td></td><td>Tr #0, ty:0, x:0.0, y:0.0</td><td></td>";
  EXPECT_EQ(html, std::string(kHead) +
                      // the main track is shaded from the start; after the path
                      // line rail 1 takes over
                      "<tr><th>0</th>" + plainMain +
                      "<td></td><td class=\"path\">Tr #1, ty:0, x:2.0, y:0.0</td><td></td>" +
                      Hidden(2) + "</tr>" + "<tr><th>25</th>" + kMainTrack +
                      "<td></td><td>Tr #1, ty:0, x:3.0, y:0.0</td><td></td>" + Hidden(2) + "</tr>" +
                      "<tr><th>50</th>" + kMainTrack + Hidden(1) + "</tr>" + kTail);
}

TEST(ChartTest, MalformedLinesAreHarmless) {
  std::string in = Cmd(0, "0") + Cmd(60, "99;1") + Cmd(80, "-1;0;3") + Cmd(-2, "1;77;-4") +
                   Cmd(62) + Cmd(75) + std::string("\x1F\x21z\r\n\xFF\xFF\r\n") + Cmd(0, "25");
  std::string html = Chart(in);
  EXPECT_EQ(html, std::string(kHead) + "<tr><th>0</th>" + kMainTrack + Hidden(1) + "</tr>" + kTail);
}

TEST(ChartTest, MissingIntermediateFileWritesNoChart) {
  ScratchDir dir;
  EXPECT_EQ(Intermediate2Tech(nullptr), 0);
  EXPECT_EQ(ReadFile(dir.File("chart.html")), "");
}

}  // namespace
