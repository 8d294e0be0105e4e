#include "ui/startup.h"

#include <gtest/gtest.h>

#include "test_support.h"
#include "ui/loadsave.h"

namespace {

TEST(StartUpTest, LoadsTheConfigurationOverTheDefaults) {
  ScratchDir dir;
  WriteFile("linewright10_2.cfg", "/kavo\n/kavo/route\\\n/kavo/train\nkavo\n1 0 0 0 0 0\n");
  global.tilting = 1;
  global.starttime = 1;
  StartUp();
  EXPECT_EQ(global.developermode, 1);
  EXPECT_EQ(global.tilting, 0);  // the defaults came first
  EXPECT_EQ(global.starttime, 59400);
  EXPECT_EQ(global.browsefolder, "/kavo/route");
}

}  // namespace
