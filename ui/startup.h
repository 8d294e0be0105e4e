#ifndef LINEWRIGHT_UI_STARTUP_H
#define LINEWRIGHT_UI_STARTUP_H

// What the program does before its window opens: seeds the one random
// generator from the clock, sets the settings to their defaults and loads
// the configuration file over them, then puts back the simulator's own
// signal files when an earlier run left a custom system swapped in.
void StartUp();

#endif
