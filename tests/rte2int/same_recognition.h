#ifndef LINEWRIGHT_TESTS_RTE2INT_SAME_RECOGNITION_H
#define LINEWRIGHT_TESTS_RTE2INT_SAME_RECOGNITION_H

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/BufFile.h"
#include "rte2int/recognizer.h"

// At every position of `text`, read the way route reading reads it (a
// character taken, then the recogniser asked), `expected` and `actual`
// (each called as f(file, params) and returning a command index, or an
// index with the table added as 1000 for the sectioned one) must agree on
// the command, the position they leave and the parameters. Returns the
// number of positions where a command was recognised; stops at the first
// disagreement, which it reports with `what`.
template <typename Expected, typename Actual>
int ExpectSameRecognition(const std::string& text, Expected expected, Actual actual,
                          const std::string& what) {
  std::vector<char> a(kRecognizerParamsSize), b(kRecognizerParamsSize);
  auto fa = BufferedFile::FromText(text);
  auto fb = BufferedFile::FromText(text);
  int matches = 0;
  for (int pos = -1; pos < static_cast<int>(text.size()); ++pos) {
    fa->setpos(pos, 0);
    fa->getchar();
    fb->setpos(pos, 0);
    fb->getchar();
    int ia = actual(fa.get(), a.data());
    int ib = expected(fb.get(), b.data());
    EXPECT_EQ(ia, ib) << what << " at " << pos << " in: " << text;
    EXPECT_EQ(fa->getpos(), fb->getpos()) << what << " at " << pos << " in: " << text;
    if (ia != ib || fa->getpos() != fb->getpos()) return matches;
    if (ia == kCmdNone) continue;
    EXPECT_STREQ(a.data(), b.data()) << what << " at " << pos << " in: " << text;
    ++matches;
  }
  return matches;
}

// The plain walk and the recogniser on entries first..last of one table.
inline int ExpectRecognitionAsThePlainWalk(const std::string& text, bool csv, int first, int last,
                                           const std::string& what) {
  return ExpectSameRecognition(
      text,
      [&](BufferedFile* f, char* p) { return GetNextCommandUnindexed(f, csv, p, first, last); },
      [&](BufferedFile* f, char* p) { return GetNextCommand(f, csv, p, first, last); }, what);
}

#endif
