#include "rte2int/pathsearch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <random>
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

// The links pushed by a search from the first point on the main track; the
// visited and found flags go to `visited` and `found` when given.
std::vector<std::string> Search(const Points& p, bool* success,
                                std::vector<bool>* visitedOut = nullptr,
                                std::vector<bool>* foundOut = nullptr) {
  size_t count = p.pos.size();
  std::unique_ptr<bool[]> visited(new bool[count + 1]()), found(new bool[count + 1]());
  Stack result;
  *success = SearchPathA(p.pos.data(), p.trk.data(), p.along.data(), static_cast<int>(count), 0,
                         0, &result, visited.get(), found.get());
  if (visitedOut != nullptr) visitedOut->assign(visited.get(), visited.get() + count);
  if (foundOut != nullptr) foundOut->assign(found.get(), found.get() + count);
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

// The search written out as plain recursion, one group at a time, the way
// the links are defined: the result the fast search must give.
bool PlainSearch(const Points& p, int start, int track, std::vector<std::string>* links,
                 std::vector<bool>* visited, std::vector<bool>* found) {
  int count = static_cast<int>(p.pos.size());
  bool success = false;
  for (int k = start; k < count && p.pos[k] <= p.pos[start] && p.along[k] != -1; ++k) {
    if (p.trk[k] != track) continue;
    if (!(*visited)[k]) {
      char link[64];
      std::snprintf(link, sizeof link, "%d, %02d -> %02d\r\n", p.pos[k], p.trk[k], p.along[k]);
      bool reached = p.along[k] == 0;
      if (reached) links->push_back(link);
      bool beyond = PlainSearch(p, NextPFOffset(p.pos.data(), count, k), p.along[k], links,
                                visited, found);
      if (beyond) links->push_back(link);
      (*visited)[k] = true;
      (*found)[k] = reached || beyond;
    }
    if ((*found)[k]) success = true;
  }
  return success;
}

TEST(PathSearchTest, AgreesWithThePlainSearchOnRandomLayouts) {
  std::mt19937 random(8);
  for (int layout = 0; layout < 3000; ++layout) {
    // Groups of meetings among four tracks, some followed by end points;
    // positions mostly go forward, now and then back or stand still.
    Points p;
    int pos = 0;
    int groups = 1 + static_cast<int>(random() % 12);
    for (int g = 0; g < groups; ++g) {
      for (int m = static_cast<int>(random() % 6); m > 0; --m)
        p.Add(pos, static_cast<int>(random() % 4), static_cast<int>(random() % 4));
      for (int e = static_cast<int>(random() % 3); e > 0; --e)
        p.Add(pos, static_cast<int>(random() % 4), -1);
      pos += static_cast<int>(random() % 6) * 10 - 10;
    }
    std::vector<std::string> expected;
    std::vector<bool> visitedPlain(p.pos.size()), foundPlain(p.pos.size());
    bool expectedSuccess =
        !p.pos.empty() && PlainSearch(p, 0, 0, &expected, &visitedPlain, &foundPlain);
    std::sort(expected.begin(), expected.end());
    bool success = false;
    std::vector<bool> visited, found;
    std::vector<std::string> links = Search(p, &success, &visited, &found);
    std::sort(links.begin(), links.end());
    ASSERT_EQ(links, expected) << "layout " << layout;
    ASSERT_EQ(success, expectedSuccess) << "layout " << layout;
    ASSERT_EQ(visited, visitedPlain) << "layout " << layout;
    ASSERT_EQ(found, foundPlain) << "layout " << layout;
  }
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

// Links are ordered as their texts are, without making the texts: also
// where that is not the order of the numbers (negative positions, track
// numbers of three digits or below zero).
TEST(PathSearchTest, LinksSortAsTheirTexts) {
  const PathLink links[] = {{5, 1, 0, 1},    {10, 1, 0, 1},   {100, 0, 2, 1}, {-5, 1, 0, 1},
                            {-12, 1, 0, 1},  {-7, 3, 3, 1},   {7, 100, 0, 1}, {7, -1, 3, 1},
                            {7, 5, 0, 1},    {25, 12, 3, 1},  {25, 2, 13, 1}, {0, 0, 0, 1},
                            {99, 99, 99, 1}, {99, 9, 100, 1}, {-1, -1, -1, 1}};
  auto text = [](const PathLink& l) {
    char expected[64];
    std::snprintf(expected, sizeof expected, "%d, %02d -> %02d\r\n", l.pos, l.trk, l.along);
    char made[kPathTextSize];
    int n = FormatPathText(l, made);
    EXPECT_EQ(std::string(made, static_cast<size_t>(n)), expected);
    return std::string(expected);
  };
  for (const PathLink& a : links)
    for (const PathLink& b : links)
      EXPECT_EQ(PathTextsBefore(a, b), ComparePathTexts(text(a), text(b)) < 0)
          << text(a) << " / " << text(b);
}

}  // namespace
