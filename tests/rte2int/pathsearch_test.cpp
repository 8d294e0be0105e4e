#include "rte2int/pathsearch.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

struct Points {
  std::vector<int> pos, trk, along;
  void Add(int p, int t, int a) {
    pos.push_back(p);
    trk.push_back(t);
    along.push_back(a);
  }
};

std::vector<std::string> Search(const Points& p, bool* success) {
  int count = static_cast<int>(p.pos.size());
  std::unique_ptr<bool[]> visited(new bool[count + 1]()), found(new bool[count + 1]());
  Stack result;
  *success = SearchPathA(p.pos.data(), p.trk.data(), p.along.data(), count, 0, 0, &result,
                         visited.get(), found.get());
  std::vector<std::string> links;
  while (!result.IsEmpty()) links.push_back(result.PopStringE(true));
  return links;
}

TEST(PathSearchTest, FindsTheLinksOfALoopBackToTheMainTrack) {
  Points p;
  p.Add(0, 0, 1);
  p.Add(0, 0, 0);
  p.Add(25, 1, 1);
  p.Add(25, 0, 0);
  p.Add(50, 1, 0);
  p.Add(50, 0, 0);
  p.Add(50, 2, -1);
  p.Add(75, 2, 0);  // behind an end point: never examined
  bool success = false;
  std::vector<std::string> links = Search(p, &success);
  EXPECT_TRUE(success);
  std::vector<std::string> expected = {
      "50, 01 -> 00\r\n", "25, 01 -> 01\r\n", "0, 00 -> 01\r\n",  // the loop, inside out
      // Along the main track: each link once when it reaches the main track
      // and once more when the search beyond it succeeded.
      "0, 00 -> 00\r\n",  "25, 00 -> 00\r\n", "50, 00 -> 00\r\n",
      "25, 00 -> 00\r\n", "0, 00 -> 00\r\n"};
  std::sort(links.begin(), links.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(links, expected);
}

TEST(PathSearchTest, EmptyAndDeadEndLayouts) {
  Points none;
  bool success = true;
  EXPECT_TRUE(Search(none, &success).empty());
  EXPECT_FALSE(success);
  Points deadEnd;  // a side track that never comes back, at the end of the list
  deadEnd.Add(0, 0, 3);
  deadEnd.Add(10, 3, 3);
  EXPECT_TRUE(Search(deadEnd, &success).empty());
  EXPECT_FALSE(success);
}

TEST(PathSearchTest, LongRoutesDoNotExhaustTheCallStack) {
  Points p;
  const int groups = 300000;
  for (int g = 0; g < groups; ++g) {
    p.Add(g * 25, 0, 0);
    p.Add(g * 25, 0, 1);
    p.Add(g * 25, 1, 0);
  }
  bool success = false;
  std::vector<std::string> links = Search(p, &success);
  EXPECT_TRUE(success);
  EXPECT_GE(links.size(), static_cast<size_t>(2 * groups));
}

TEST(PathSearchTest, NextOffsetAndOrdering) {
  const int pos[] = {0, 0, 5, 5, 3, 9};
  EXPECT_EQ(NextPFOffset(pos, 6, 0), 2);
  EXPECT_EQ(NextPFOffset(pos, 6, 2), 5);
  EXPECT_EQ(NextPFOffset(pos, 6, 4), 5);
  EXPECT_EQ(NextPFOffset(pos, 6, 5), 6);
  EXPECT_LT(qsort_stringlist("5, 01 -> 00\r\n", "10, 01 -> 00\r\n"), 0);
  EXPECT_LT(qsort_stringlist("10, 01 -> 00\r\n", "10, 02 -> 00\r\n"), 0);
  EXPECT_GT(qsort_stringlist("90, 01 -> 00\r\n", "10, 01 -> 00\r\n"), 0);
  EXPECT_EQ(qsort_stringlist("10, 01 -> 00\r\n", "10, 01 -> 00\r\n"), 0);
}

}  // namespace
