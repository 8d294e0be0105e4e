#ifndef LINEWRIGHT_FUZZ_FUZZ_TARGETS_H
#define LINEWRIGHT_FUZZ_FUZZ_TARGETS_H

#include <cstddef>
#include <cstdint>

// The fuzz targets: each feeds one input to one part of the program. They
// run in the working folder (PrepareWorkingFolder fills it) and return 0.
// The same functions replay the saved findings in the tests.

// Route reading of any bytes: the first byte picks the kind (.rw, .csv,
// .scr); preprocessing, the script and the clean-up run as in a run.
int FuzzRouteReading(const std::uint8_t* data, std::size_t size);
// The clean-up, the route writer and the chart on arbitrary intermediate
// bytes; the first bytes set every start option, may choose a custom
// signal system and may hand the writer the bytes without the clean-up.
int FuzzIntermediate(const std::uint8_t* data, std::size_t size);
// Evaluating a script parameter into an output of a size the first byte
// picks.
int FuzzScrParameter(const std::uint8_t* data, std::size_t size);
// Loading (and saving again) a configuration file of any bytes.
int FuzzConfig(const std::uint8_t* data, std::size_t size);
// A signal system's "sigsys.txt": listing, description, loading, and
// filling both templates.
int FuzzSignalSystem(const std::uint8_t* data, std::size_t size);
// The route information of any bytes as each route kind, and CleanText.
int FuzzRouteInfo(const std::uint8_t* data, std::size_t size);

struct FuzzTarget {
  const char* name;  // as ./fuzz.sh and the findings folders name it
  int (*run)(const std::uint8_t* data, std::size_t size);
};
constexpr FuzzTarget kFuzzTargets[] = {
    {"route_reading", FuzzRouteReading}, {"intermediate", FuzzIntermediate},
    {"scr_parameter", FuzzScrParameter}, {"config", FuzzConfig},
    {"signal_system", FuzzSignalSystem}, {"route_info", FuzzRouteInfo},
};

#endif
