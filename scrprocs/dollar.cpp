#include "scrprocs/dollar.h"

// Until the route recognizer is available a "$" is copied as it stands.
void PreProcessDollar(BufferedFile* route, BufferedFile* out, SubstitutionLists* subs) {
  (void)route;
  (void)subs;
  out->putchar('$');
}
