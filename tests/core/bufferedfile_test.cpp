#include <gtest/gtest.h>

#include <random>

#include "core/BufFile.h"
#include "core/TextBatch.h"
#include "test_support.h"

namespace {

std::string Content(const BufferedFile& f) { return std::string(f.view()); }

TEST(BufferedFileTest, ReadStopsAtNulByte) {
  ScratchDir dir;
  ASSERT_TRUE(WriteFile("a.txt", std::string("ab\0cd", 5)));
  BufferedFile f("a.txt", false);
  ASSERT_TRUE(f.working());
  EXPECT_EQ(f.size(), 2);
  EXPECT_EQ(f.getchar(), 'a');
  EXPECT_EQ(f.getchar(), 'b');
  EXPECT_EQ(f.getchar(), -1);
}

TEST(BufferedFileTest, MissingFileIsNotWorking) {
  ScratchDir dir;
  BufferedFile f("nothing.txt", false);
  EXPECT_FALSE(f.working());
}

TEST(BufferedFileTest, CarriageReturnsBecomeBlanksOnRequest) {
  ScratchDir dir;
  ASSERT_TRUE(WriteFile("a.txt", "a\r\nb"));
  BufferedFile f("a.txt", true);
  EXPECT_EQ(Content(f), "a \nb");
}

TEST(BufferedFileTest, ByteFFReadsAsEndAndHighBytesAreSigned) {
  auto f = BufferedFile::FromText("\xA3x\xFFy");
  EXPECT_EQ(f->getchar(), -93);
  EXPECT_EQ(f->getchar(), 'x');
  EXPECT_EQ(f->getchar(), -1);
}

TEST(BufferedFileTest, PositionMinusOneReadsZeroFirst) {
  auto f = BufferedFile::FromText("ab");
  f->setpos(-1, 0);
  EXPECT_EQ(f->getchar(), 0);
  EXPECT_EQ(f->getpos(), 0);
  EXPECT_EQ(f->getchar(), 'a');

  char line[16];
  f->setpos(-1, 0);
  EXPECT_FALSE(f->getline(line, sizeof line, true));
}

TEST(BufferedFileTest, SetposClampsAgainstCapacity) {
  auto f = BufferedFile::FromText("abcd");
  f->setpos(2, 0);
  f->setpos(-5, 1);
  EXPECT_EQ(f->getpos(), -1);
  f->setpos(10, 0);
  EXPECT_EQ(f->getpos(), 4);
  f->setpos(1, 7);
  EXPECT_EQ(f->getpos(), 4);
}

TEST(BufferedFileTest, GetlineKeepsOrDropsLineEnds) {
  auto f = BufferedFile::FromText("one\r\ntwo\r\n");
  char line[64];
  ASSERT_TRUE(f->getline(line, sizeof line, true));
  EXPECT_STREQ(line, "one\r\n");
  ASSERT_TRUE(f->getline(line, sizeof line, false));
  EXPECT_STREQ(line, "two");
  // Only the CR was consumed: the LF comes back as an empty line.
  ASSERT_TRUE(f->getline(line, sizeof line, false));
  EXPECT_STREQ(line, "");
  EXPECT_FALSE(f->getline(line, sizeof line, false));
}

TEST(BufferedFileTest, GetlineStoresAtMostMaxMinusTwo) {
  auto f = BufferedFile::FromText("abcdef\n");
  char line[8];
  ASSERT_TRUE(f->getline(line, 5, true));
  EXPECT_STREQ(line, "abc");
  ASSERT_TRUE(f->getline(line, 8, true));
  EXPECT_STREQ(line, "def\n");
}

TEST(BufferedFileTest, PutcharDropsLineEndsAndTabsAfterCrLf) {
  BufferedFile f(64);
  f.putstring("a\r\n\r\n\tb");
  EXPECT_EQ(Content(f), "a\r\nb");
}

TEST(BufferedFileTest, FixedBufferDropsWhenFull) {
  BufferedFile f(3);
  f.putstring("abcdef");
  EXPECT_EQ(f.size(), 3);
  EXPECT_EQ(Content(f), "abc");
}

TEST(BufferedFileTest, GrowableBufferKeepsEverything) {
  BufferedFile f(4, true);
  std::string big(5 * 1024 * 1024, 'x');
  f.putstring(big);
  EXPECT_EQ(f.size(), static_cast<int>(big.size()));
  EXPECT_EQ(Content(f), big);
}

// Writing a text in pieces with putstring stores exactly what putchar
// stores character by character: the line-end rule across the pieces, the
// drop once a fixed buffer is full, writing inside the content.
TEST(BufferedFileTest, PutstringStoresWhatPutcharStores) {
  std::mt19937 random(3);
  const char alphabet[] = "ab\r\n\t";
  for (int round = 0; round < 300; ++round) {
    std::string text;
    for (int i = static_cast<int>(random() % 200); i > 0; --i) text += alphabet[random() % 5];
    bool growable = round % 2 == 0;
    int size = static_cast<int>(random() % 120) + 1;
    int rewind = static_cast<int>(random() % 8);
    BufferedFile one(size, growable);
    BufferedFile pieces(size, growable);
    for (BufferedFile* f : {&one, &pieces}) {
      f->putstring("xy\r\n");
      f->setpos(f->getpos() - rewind, 0);
    }
    for (char c : text) one.putchar(c);
    for (size_t at = 0; at < text.size();) {
      size_t n = std::min<size_t>(random() % 9, text.size() - at);
      pieces.putstring(std::string_view(text).substr(at, n));
      at += n;
    }
    ASSERT_EQ(Content(pieces), Content(one)) << round;
    ASSERT_EQ(pieces.getpos(), one.getpos());
    for (int i = 0; i < 4; ++i) ASSERT_EQ(pieces.content()[pieces.size() + i], '\0');
  }
}

// A batch stores the text of its pieces in order whatever their sizes:
// pieces that fill it, overflow it, or are larger than it on their own.
TEST(BufferedFileTest, ABatchStoresItsPiecesInOrder) {
  std::mt19937 random(9);
  BufferedFile f(16, true);
  std::string expected;
  {
    TextBatch batch(&f);
    for (int piece = 0; piece < 3000; ++piece) {
      if (random() % 4 == 0) {
        char c = static_cast<char>('a' + piece % 26);
        batch.Add(c);
        expected += c;
        continue;
      }
      size_t sizes[] = {0, 1, 255, 256, 257, 600};
      std::string text(random() % 2 == 0 ? random() % 40 : sizes[random() % 6],
                       static_cast<char>('A' + piece % 26));
      batch.Add(text);
      expected += text;
    }
  }
  EXPECT_EQ(Content(f), expected);
}

TEST(BufferedFileTest, ContentStaysTerminatedAsABufferGrows) {
  BufferedFile f(4, true);
  std::string text;
  for (int i = 0; i < 200000; ++i) text += static_cast<char>('a' + i % 26);
  for (size_t at = 0; at < text.size(); at += 997)
    f.putstring(std::string_view(text).substr(at, 997));
  EXPECT_EQ(Content(f), text);
  EXPECT_EQ(f.content()[f.size()], '\0');
  // Past the content, up to where the position was moved, all is zeros.
  f.setpos(f.size() + 300000, 0);
  f.putchar('z');
  std::string_view all = f.view();
  ASSERT_EQ(all.size(), text.size() + 1);
  f.setread(true);
  f.setpos(static_cast<int>(text.size()), 0);
  EXPECT_EQ(f.getchar(), 0);
}

TEST(BufferedFileTest, ReadModeIgnoresWritesAndWriteModeReads) {
  auto f = BufferedFile::FromText("x");
  f->putchar('y');
  EXPECT_EQ(Content(*f), "x");
  BufferedFile w(8);
  EXPECT_EQ(w.getchar(), -1);
  char line[8];
  EXPECT_FALSE(w.getline(line, 8, true));
}

TEST(BufferedFileTest, LinebackReturnsToStartOfLastLine) {
  auto f = BufferedFile::FromText("ab\r\ncd\r\nef\r\n");
  char line[16];
  f->getline(line, sizeof line, true);
  f->getline(line, sizeof line, true);
  f->lineback();
  ASSERT_TRUE(f->getline(line, sizeof line, true));
  EXPECT_STREQ(line, "cd\r\n");
  // From the first line the clamp leaves the position at 0.
  f->setpos(0, 0);
  f->getline(line, sizeof line, true);
  f->lineback();
  EXPECT_EQ(f->getpos(), 0);
}

TEST(BufferedFileTest, RemovelineKeepsTheLineFeed) {
  auto f = BufferedFile::FromText("ab\r\ncd\r\nef");
  f->setpos(4, 0);
  f->removeline();
  EXPECT_EQ(Content(*f), "ab\r\n\nef");
  EXPECT_EQ(f->content()[f->size()], '\0');
  // At the last line removal stops at the end of the content.
  f->setpos(5, 0);
  f->removeline();
  EXPECT_EQ(Content(*f), "ab\r\n\n");
  // A line feed at the position goes with the line after it; the freed
  // tail is zeros.
  f = BufferedFile::FromText("ab\ncd\nef");
  f->setpos(2, 0);
  f->removeline();
  EXPECT_EQ(Content(*f), "ab\nef");
  for (int i = f->size(); i < f->capacity(); ++i) EXPECT_EQ(f->content()[i], '\0') << i;
}

TEST(BufferedFileTest, BlanklineLeavesOnlyLineFeeds) {
  auto f = BufferedFile::FromText("ab\r\ncd\r\nef");
  f->setpos(4, 0);
  f->blankline();
  EXPECT_EQ(Content(*f), "ab\r\n\n\n\n\nef");
}

TEST(BufferedFileTest, FlushWritesWholeContentAndReportsFailure) {
  ScratchDir dir;
  BufferedFile f(16);
  f.putstring("hello\r\n");
  EXPECT_TRUE(f.flush("out.txt"));
  EXPECT_EQ(ReadFile("out.txt"), "hello\r\n");
  EXPECT_FALSE(f.flush("no/such/folder/out.txt"));
  f.setread(true);
  EXPECT_FALSE(f.flush("other.txt"));
  EXPECT_EQ(ReadFile("other.txt"), "");
}

}  // namespace
