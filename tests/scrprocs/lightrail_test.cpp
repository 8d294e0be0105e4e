// A light-rail route in the way routes written for the simulator are laid
// out: the main file pulls its structures, beacons, stops and objects in
// with $Include from assets\train_support\, whose files have a byte-order
// mark, LF line ends and no line end at their end.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "sigsys/sigsys.h"
#include "test_support.h"
#include "ui/loadsave.h"
#include "ui/run.h"

namespace {

namespace fs = std::filesystem;

TEST(LightRailRoute, KeepsEveryIncludedCommandInTheWrittenRoute) {
  ScratchDir dir;
  std::string routes = dir.File("route");
  fs::create_directories(routes);
  fs::copy(SourcePath("tests/scrprocs/lightrail"), routes + "/lightrail", fs::copy_options::recursive);
  fs::create_directories(dir.File("kavo/railway/object"));
  ResetGlobals();
  sigsys = SignalSystem();  // the simulator's own signals
  global.simfolder = dir.File("kavo");
  global.routefolder = routes;
  global.browsefolder = routes + "/lightrail";
  global.routefile = "tram.csv";
  global.routetype = RouteTypeOf(global.routefile);
  global.trainname = "Blue Arrow";
  global.outroutepath = OutRoutePath(routes);
  RecordedMessages messages;

  ASSERT_TRUE(GenerationRun(kRunCreate, nullptr));
  EXPECT_TRUE(messages.errors.empty()) << messages.errors.front();
  EXPECT_EQ(ReadFile(global.outroutepath),
            "\r\nwith route\r\nroute.gauge 1435,\r\nwith train\r\n.folder Blue Arrow,\r\n"
            "with structure\r\n.rail(0) tram\\rail.b3d,\r\n.freeobj(0) tram\\shelter.b3d,\r\n"
            ".freeobj(1) tram\\mast.b3d,\r\n.beacon(0) tram\\balise.b3d,\r\nwith track\r\n"
            "0,.railtype 0;0,\r\n50,.beacon 0;21;-2;0;0,\r\n100,.beacon 0;22;-2;0;0,\r\n"
            "150,.beacon 0;23;-2;0;0,\r\n200,.sta Depot;;8.0000;0;1;0;0;;20;60;;0,.stop 0,\r\n"
            "400,.sta Harbour;8.0500;;1;1;0;0;;20;60;;0,.stop 0,\r\n450,.freeobj 0;0;-3;0;0,\r\n"
            "500,.freeobj 0;1;3;0;0,\r\n600,\r\nroute.developerid 40372958");
  ResetGlobals();
}

}  // namespace
