#include "core/Stack.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <random>
#include <string>
#include <vector>

namespace {

TEST(StackTest, PushEKeepsReadingOrderPushReverses) {
  Stack s;
  s.PushE("a");
  s.PushE("b");
  s.PushE("c");
  EXPECT_EQ(s.PopString(true), "a");
  EXPECT_EQ(s.PopString(true), "b");
  EXPECT_EQ(s.PopString(true), "c");
  s.Push("a");
  s.Push("b");
  s.Push("c");
  char out[8];
  s.PopString(out, true, 7);
  EXPECT_STREQ(out, "c");
  EXPECT_EQ(s.PopString(true), "b");
  EXPECT_EQ(s.Size(), 1);
}

TEST(StackTest, InvertSwapsEnds) {
  Stack s;
  s.PushE("a");
  s.PushE("b");
  s.PushE("c");
  s.Invert();
  EXPECT_STREQ(s.Element(0)->StringRef(), "c");
  EXPECT_EQ(s.PopString(true), "c");
  EXPECT_EQ(s.PopStringE(true), "a");
  EXPECT_EQ(s.Size(), 1);
}

TEST(StackTest, EmptyStackGivesDefaults) {
  Stack s;
  EXPECT_EQ(s.PopInt(7, true), 7);
  EXPECT_EQ(s.PopFloat(1.5f, true), 1.5f);
  EXPECT_EQ(s.PopChar('z', true), 'z');
  EXPECT_EQ(s.PopIntE(-1, true), -1);
  EXPECT_EQ(s.PopPtr(nullptr, true), nullptr);
  char out[4] = "xyz";
  s.PopString(out, true, 3);
  EXPECT_STREQ(out, "");
  EXPECT_FALSE(s.Pop(true));
  EXPECT_EQ(s.GetStringReference(), nullptr);
  EXPECT_TRUE(s.IsEmpty());
}

TEST(StackTest, PopOfEmptyKindIsFalseButRemoves) {
  Stack s;
  s.Push();
  EXPECT_FALSE(s.Pop(true));
  EXPECT_TRUE(s.IsEmpty());
}

TEST(StackTest, KindConversions) {
  StackEntry f(2.75f), g(-2.75f), text("12abc"), word("abc"), i(65), c('A');
  EXPECT_EQ(f.GetInt(), 2);
  EXPECT_EQ(g.GetInt(), -2);
  EXPECT_EQ(f.GetString(), "2.750000");
  EXPECT_EQ(text.GetInt(), 12);
  EXPECT_EQ(word.GetInt(), 0);
  EXPECT_FLOAT_EQ(StackEntry("  -3.5x").GetFloat(), -3.5f);
  EXPECT_EQ(i.GetString(), "65");
  EXPECT_EQ(i.GetChar(), 'A');
  EXPECT_EQ(StackEntry(321).GetChar(), static_cast<char>(65));
  EXPECT_EQ(c.GetInt(), 65);
  EXPECT_EQ(StackEntry(static_cast<char>(-3)).GetInt(), -3);
  EXPECT_EQ(StackEntry(66.9f).GetChar(), 'B');
  EXPECT_EQ(word.GetChar(), 'a');
  EXPECT_EQ(StackEntry("").GetChar(), 0);
  EXPECT_EQ(StackEntry().GetInt(), 0);
  EXPECT_EQ(StackEntry().GetString(), "");
  EXPECT_EQ(StackEntry(static_cast<void*>(nullptr)).GetFloat(), 0.0f);
  EXPECT_EQ(StackEntry("99999999999").GetInt(), 2147483647);
}

TEST(StackTest, GetStringLimits) {
  char out[16];
  StackEntry("abcdef").GetString(out, 3);
  EXPECT_STREQ(out, "abc");
  StackEntry("abcdef").GetString(out, -1);
  EXPECT_STREQ(out, "abcdef");
  std::memset(out, 'q', sizeof out);
  StackEntry('x').GetString(out, 1);
  EXPECT_EQ(out[0], 'x');
  EXPECT_EQ(out[1], 'q');
  StackEntry('x').GetString(out, 2);
  EXPECT_STREQ(out, "x");
  // A number never overruns the room it is given.
  StackEntry(123456.0f).GetString(out, 4);
  EXPECT_STREQ(out, "1234");
  // The largest floats are formatted whole.
  EXPECT_EQ(StackEntry(-3.40282347e38f).GetString(),
            "-340282346638528859811704183484516925440.000000");
}

TEST(StackTest, EqualsAndEqualElements) {
  Stack a, b;
  EXPECT_FALSE(a.EqualElements(0, &b));
  a.PushE("x");
  EXPECT_FALSE(a.EqualElements(0, &b));
  b.PushE("x");
  EXPECT_TRUE(a.EqualElements(0, &b));
  EXPECT_FALSE(a.EqualElements(-1, &b));
  EXPECT_FALSE(a.EqualElements(0, nullptr));
  a.PushE(1);
  b.PushE(1.0f);
  EXPECT_FALSE(a.EqualElements(1, &b));
  EXPECT_FALSE(StackEntry("A").Equals(nullptr));
  StackEntry lower("a");
  EXPECT_FALSE(StackEntry("A").Equals(&lower));
  StackEntry e1, e2;
  EXPECT_TRUE(e1.Equals(&e2));
}

TEST(StackTest, ElementAndPeek) {
  Stack s;
  s.PushE(5);
  s.PushE("7");
  s.PushE();
  EXPECT_EQ(s.Peek(0, -1), 5);
  EXPECT_EQ(s.Peek(1, -1), 7);
  EXPECT_FLOAT_EQ(s.Peek(1, 0.0f), 7.0f);
  EXPECT_FALSE(s.Peek(2));
  EXPECT_TRUE(s.Peek(0));
  EXPECT_EQ(s.Peek(3, -1), -1);
  EXPECT_EQ(s.Element(3), nullptr);
  EXPECT_EQ(s.Element(-1), nullptr);
  EXPECT_STREQ(s.GetStringReferenceE(), nullptr);
  s.MakeEmpty();
  EXPECT_EQ(s.Size(), 0);
  EXPECT_FALSE(s.Remove(true));
}

// Pushing and popping at both ends, inverting, reading by index and
// emptying, as a double-ended queue would, while the list grows past its
// room many times and its front wraps around; texts short and long.
TEST(StackTest, BehavesAsADoubleEndedQueue) {
  std::mt19937 random(5);
  Stack s;
  std::deque<std::string> model;  // front = the list's front
  bool inverted = false;
  for (int step = 0; step < 20000; ++step) {
    std::string text = std::to_string(step) + std::string(random() % 3 == 0 ? 40 : 0, 'x');
    bool top = random() % 2 == 0;
    bool front = top != inverted;  // the top is the front unless inverted
    switch (random() % 7) {
      case 0:
      case 1:
        top ? s.Push(text) : s.PushE(text);
        front ? model.push_front(text) : model.push_back(text);
        break;
      case 2:
      case 3: {
        std::string got = top ? s.PopString(true) : s.PopStringE(true);
        std::string expected;
        if (!model.empty()) {
          expected = front ? model.front() : model.back();
          front ? model.pop_front() : model.pop_back();
        }
        ASSERT_EQ(got, expected) << step;
        break;
      }
      case 4:
        s.Invert();
        inverted = !inverted;
        break;
      case 5:
        if (!model.empty()) {
          size_t k = random() % model.size();
          const StackEntry* e = s.Element(static_cast<int>(k));
          ASSERT_NE(e, nullptr);
          ASSERT_STREQ(e->StringRef(), (inverted ? model[model.size() - 1 - k] : model[k]).c_str());
        }
        break;
      default:
        if (random() % 50 == 0) {
          s.MakeEmpty();
          model.clear();
        }
        break;
    }
    ASSERT_EQ(s.Size(), static_cast<int>(model.size())) << step;
  }
}

// What an entry must read as: its kind and its value as text.
struct EntryModel {
  int kind = StackEntry::kEmpty;
  std::string text;
};

void ExpectReadsAs(const StackEntry& e, const EntryModel& m, int max, int step) {
  ASSERT_EQ(e.kind(), m.kind) << step;
  ASSERT_EQ(e.GetString(), m.text) << step;
  if (m.kind == StackEntry::kString) {
    ASSERT_EQ(e.StringLen(), static_cast<int>(m.text.size())) << step;
    ASSERT_STREQ(e.StringRef(), m.text.c_str()) << step;
    ASSERT_EQ(e.GetInt(), std::atoi(m.text.c_str())) << step;
  }
  std::vector<char> dest(static_cast<size_t>(max) + 1, '#');
  e.GetString(dest.data(), max);
  ASSERT_EQ(std::string(dest.data()), m.text.substr(0, static_cast<size_t>(max))) << step;
}

// One entry set again and again, to texts around the length that still
// fits inside it and to numbers, and handed on by moves: each read gives
// the last value, and a moved-from entry is empty and takes new values.
TEST(StackEntryTest, ReusedAndMovedEntriesReadAsTheirLastValue) {
  std::mt19937 random(7);
  StackEntry entries[2];
  EntryModel models[2];
  for (int step = 0; step < 20000; ++step) {
    int which = static_cast<int>(random() % 2);
    StackEntry& e = entries[which];
    EntryModel& m = models[which];
    switch (random() % 6) {
      case 0:
      case 1: {
        std::string text = std::to_string(random() % 100000);
        text += std::string(random() % 40, static_cast<char>('a' + step % 26));
        e.Set(std::string_view(text));
        m = {StackEntry::kString, text};
        break;
      }
      case 2: {
        int i = static_cast<int>(random() % 20001) - 10000;
        e.Set(i);
        m = {StackEntry::kInt, std::to_string(i)};
        break;
      }
      case 3: {
        float f = static_cast<float>(random() % 20001) / 8 - 1250;
        e.Set(f);
        char text[64];
        std::snprintf(text, sizeof text, "%f", f);
        m = {StackEntry::kFloat, text};
        break;
      }
      case 4:
        entries[1 - which] = std::move(e);
        models[1 - which] = m;
        m = {};
        break;
      default:
        e.SetEmpty();
        m = {};
        break;
    }
    for (int k = 0; k < 2; ++k)
      ExpectReadsAs(entries[k], models[k], static_cast<int>(random() % 50), step);
  }
}

}  // namespace
