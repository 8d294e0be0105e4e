#ifndef LINEWRIGHT_PLATFORM_PROCESS_H
#define LINEWRIGHT_PLATFORM_PROCESS_H

#include <string>
#include <vector>

namespace platform {

// Starts `program` with `arguments` (not including the program itself)
// without waiting for it and without a shell. False, with a reason in
// `error`, when it could not be started.
bool StartDetached(const std::string& program, const std::vector<std::string>& arguments,
                   std::string* error);

}  // namespace platform

#endif
