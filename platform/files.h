#ifndef LINEWRIGHT_PLATFORM_FILES_H
#define LINEWRIGHT_PLATFORM_FILES_H

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

namespace platform {

#ifdef _WIN32
constexpr char kPathSeparator = '\\';
#else
constexpr char kPathSeparator = '/';
#endif

// The pieces of `text` between any of the `separators`, empty ones too
// ("a//b" at "/" gives "a", "", "b").
std::vector<std::string> SplitAt(const std::string& text, const char* separators);

// folder + native separator + name, as "%s\%s" joins them.
std::string JoinPath(const std::string& folder, const std::string& name);

// The file a route or script names relative to `folder`. "\" and "/" are
// both separators; on systems with case-sensitive names each part is found
// without regard to case when it does not exist as written (the first
// match in byte order). When nothing matches, the joined path as written
// is returned.
std::string ResolveRoutePath(const std::string& folder, const std::string& relative);

// Whether the file `name` that a route in `folder` names (an include)
// stays inside `root`: `name` is relative (it starts with no "\" or "/"
// and no drive) and its ".." parts never lead out of `root`. "\" and "/"
// both separate parts; the folders are made absolute and compared part by
// part, the way the names are written (no links are followed).
bool StaysInside(const std::string& root, const std::string& folder, const std::string& name);
// Whether `path` is `root` or lies inside it, compared the same way.
bool IsInsideFolder(const std::string& root, const std::string& path);

// Writes `size` bytes to a temporary file beside `path`, then renames it
// over `path`, through the file system in use (Files()). False (and the
// target untouched) when any step fails; Files().LastError() says why.
bool WriteFileReplacing(const std::string& path, const char* data, std::size_t size);
// The path made absolute against the working folder, for messages; as
// given when that fails.
std::string AbsolutePath(const std::string& path);
// Appends `text` to the regular file `path` (creating it); nothing
// happens when it is anything else (a named pipe is never waited on) or
// cannot be opened.
void AppendToFile(const std::string& path, const std::string& text);
// True when something (a file or a folder) exists at `path`.
bool PathExists(const std::string& path);
// Opens a new file `path` for writing bytes, only when nothing of that
// name exists: null when it exists or cannot be made. The caller closes it.
std::FILE* OpenNewFile(const std::string& path);
// Creates `path` with `size` bytes, only when nothing of that name exists:
// an existing file is never replaced. False when it existed or any step
// failed (a partly written file is removed).
bool WriteNewFile(const std::string& path, const char* data, std::size_t size);
// Creates one folder; true when it exists afterwards.
bool MakeDirectory(const std::string& path);
// True when the file existed and was removed.
bool RemoveFile(const std::string& path);
bool IsDirectory(const std::string& path);
bool IsRegularFile(const std::string& path);

struct DirEntry {
  std::string name;
  bool is_directory = false;
};
// The entries of `folder` (with "." and ".."), in the order the system
// gives them. False when the folder cannot be listed.
bool ListDirectory(const std::string& folder, std::vector<DirEntry>* entries);

}  // namespace platform

#endif
