#include "rte2int/kavotime.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/numtext.h"
#include "ui/loadsave.h"

int WrapDay(long long seconds) {
  long long s = seconds % kSecondsPerDay;
  if (s < 0) s += kSecondsPerDay;
  return static_cast<int>(s);
}

int KavoTime2Sec(const char* text) {
  if (text == nullptr) return 0;
  // "%d.%4c": a whole number of hours, a point, up to four fraction
  // characters; missing fraction characters count as "0".
  const char* p = text;
  while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r' || *p == '\v' || *p == '\f') ++p;
  char* end = nullptr;
  long long hours = std::strtoll(p, &end, 10);
  if (end == p) return 0;
  if (hours > 1000000000LL) hours = 1000000000LL;
  if (hours < -1000000000LL) hours = -1000000000LL;
  char fraction[4] = {'0', '0', '0', '0'};
  if (*end == '.') {
    const char* f = end + 1;
    for (int i = 0; i < 4 && f[i] != '\0'; ++i) fraction[i] = f[i];
  }
  long long minutes = (fraction[0] - '0') * 10 + (fraction[1] - '0');
  long long seconds = (fraction[2] - '0') * 10 + (fraction[3] - '0');
  return WrapDay(hours * 3600 + minutes * 60 + seconds);
}

int KavoTime2Sec(float value) {
  char text[64];
  if (value < 10.0f)
    std::snprintf(text, sizeof text, "0%1.4f", static_cast<double>(value));
  else
    std::snprintf(text, sizeof text, "%2.4f", static_cast<double>(value));
  return KavoTime2Sec(text);
}

void Sec2KavoTime(char* out, int seconds) {
  // hours + minutes / 100 + seconds / 10000 printed with "%2.4f": the sum
  // lies within a hair of its four decimals, so the text is the hours, a
  // point and two digits each of minutes and seconds.
  int s = WrapDay(seconds);
  int hours = s / 3600;
  int minutes = (s / 60) % 60;
  int rest = s % 60;
  char* p = out + FormatInt(hours, out);
  *p++ = '.';
  *p++ = static_cast<char>('0' + minutes / 10);
  *p++ = static_cast<char>('0' + minutes % 10);
  *p++ = static_cast<char>('0' + rest / 10);
  *p++ = static_cast<char>('0' + rest % 10);
  *p = '\0';
}

void ReCalculateTime(char* text, int& base) {
  if (text == nullptr || std::strlen(text) <= 1) return;
  long long t = KavoTime2Sec(text);
  if (base == -1) base = static_cast<int>(t);
  if (global.loosetimetable) t += static_cast<long long>((t - base) * 0.06000000000000005);
  if (global.timetablemode != kTimetableDefault)
    t += static_cast<long long>(global.starttime) - base;
  Sec2KavoTime(text, WrapDay(t));
}
