#ifndef LINEWRIGHT_RTE2INT_KAVOTIME_H
#define LINEWRIGHT_RTE2INT_KAVOTIME_H

// Times of day: seconds after midnight inside the program, "hh.mmss" text
// in routes (10.3000 is 10:30:00).

constexpr int kSecondsPerDay = 86400;

// Seconds of a time text, wrapped into 0..86399. "10.3" gives 37800.
int KavoTime2Sec(const char* text);
// Seconds of a time given as a number (9.5 is 09.5000).
int KavoTime2Sec(float value);
// Writes the text of `seconds` (wrapped into 0..86399) with "%2.4f".
// `out` needs room for 8 characters and the terminator.
void Sec2KavoTime(char* out, int seconds);
// Shifts a station time of the written route by the timetable options.
// `base` is the first time seen (-1 until set). Texts of one character
// are left alone. `out` needs room for 8 characters and the terminator.
void ReCalculateTime(char* text, int& base);

// a mod 86400 in 0..86399 for any int.
int WrapDay(long long seconds);

#endif
