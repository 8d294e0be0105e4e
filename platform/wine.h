#ifndef LINEWRIGHT_PLATFORM_WINE_H
#define LINEWRIGHT_PLATFORM_WINE_H

#include <string>

// The simulator is a Windows program. On other systems it runs under Wine,
// and its installation lies inside a Wine prefix: these functions carry
// Windows paths and programs across. On Windows each one leaves its
// argument as it is (or answers false).
namespace platform {

// The Wine prefix: $WINEPREFIX, else ".wine" in the home folder. Empty
// when neither is known.
std::string WinePrefix();

// True when `path` starts with a drive letter and a colon ("c:", "D:\x").
bool HasDriveLetter(const std::string& path);

// The local form of a path setting. A path with a drive letter
// ("c:\program files\kavo") is found inside the Wine prefix as Wine finds
// it: the drive is the prefix's "dosdevices/c:" entry, or "drive_c" for
// c:, and each further part ("\" and "/" both separate parts) is the entry
// of that name or, failing that, one equal to it ignoring letter case.
// Parts that do not exist are kept as written. A drive the prefix does not
// have, a path without a drive letter, and every path on Windows come back
// unchanged.
std::string LocalPath(const std::string& path);

// The path by which a Windows program under Wine reaches the local file
// `path`: the drive whose folder holds it (the deepest one, as Wine
// chooses) followed by the rest with backslashes, or "Z:" followed by the
// absolute path with backslashes when no drive holds it. On Windows the
// path itself.
std::string WindowsPathUnderWine(const std::string& path);

// True when the file can be read and starts with "MZ", as Windows
// programs do.
bool IsWindowsProgram(const std::string& path);

// True when `program` cannot be started directly on this system but needs
// Wine: a Windows program anywhere but on Windows.
bool NeedsWine(const std::string& program);

}  // namespace platform

#endif
