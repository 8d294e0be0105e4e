#ifndef LINEWRIGHT_RTE2INT_ROUTE_WARNINGS_H
#define LINEWRIGHT_RTE2INT_ROUTE_WARNINGS_H

#include <string>
#include <string_view>

// Warnings about a route that is read as it stands but looks damaged. They
// go through the message sink and change nothing that is written.

// Track positions beyond this many metres are taken to be mistakes.
constexpr double kMaxTrackPosition = 100000000.0;

// Looks at the route file's bytes (all of them, NULs included): a file
// with nothing but blanks, one saved as UTF-16, and one whose reading
// stops at a NUL or 0xFF byte before its end (naming the line). True when
// the warning already says that no track can come of it (an empty or a
// UTF-16 route).
bool WarnAboutRouteText(const std::string& path, std::string_view bytes);

// Looks at the cleaned intermediate text of the route at `path`: no track
// position at all, or positions below 0 or beyond kMaxTrackPosition.
// `explained` skips the first warning, which WarnAboutRouteText already
// gave.
void WarnAboutTrackPositions(const std::string& path, std::string_view intermediate,
                             bool explained);

#endif
