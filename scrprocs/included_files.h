#ifndef LINEWRIGHT_SCRPROCS_INCLUDED_FILES_H
#define LINEWRIGHT_SCRPROCS_INCLUDED_FILES_H

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "core/BufFile.h"
#include "platform/file_error.h"

// The files one reading of a route includes, each found and read once. A
// macro can repeat an include thousands of times, and finding a name walks
// the folders (names match without regard to case) while reading opens the
// file: done for every copy, that made a route of 2 KiB take seconds.
class IncludedFiles {
 public:
  struct File {
    // The name stays inside the folders a route may include from.
    bool allowed = false;
    // Where the name leads.
    std::string path;
    // Why the file could not be read (kNone when it was).
    platform::FileError error = platform::FileError::kNone;
    // Its text up to the first NUL, while the texts held stay within a
    // budget; past it the file is read again for each use.
    std::string text;
    bool held = false;
    // That the file is missing has been said: it is said once per reading.
    bool missing_said = false;
  };

  // The file an include of `name` leads to, found on first use.
  File& Find(const std::string& name);
  // The file's text (false, with `error` set, when it cannot be read).
  // Valid until the next call.
  bool Text(File& file, std::string_view* text);

 private:
  static bool Allowed(const std::string& name);
  // Reads `file` into last_read_; false, with its error set, when it
  // cannot be read.
  bool Read(File& file);

  std::map<std::string, File> files_;
  std::size_t held_ = 0;
  // The file read last (entries of files_ keep their address).
  std::unique_ptr<BufferedFile> last_read_;
  const File* last_read_of_ = nullptr;
};

#endif
