// The libFuzzer entry of one target, chosen when it is built
// (LINEWRIGHT_FUZZ_FUNCTION names the function of fuzz_targets.h).

#include <cstdlib>
#include <filesystem>
#include <string>

#include "fuzz/fuzz_targets.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // A private working folder: the stages write their fixed files there.
  std::string pattern =
      (std::filesystem::temp_directory_path() / "linewright-fuzz-XXXXXX").string();
  if (mkdtemp(&pattern[0]) == nullptr) std::abort();
  std::filesystem::current_path(pattern);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return LINEWRIGHT_FUZZ_FUNCTION(data, size);
}
