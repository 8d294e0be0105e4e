#include "ui/about.h"

#include "ui/version.h"

std::string AboutText() {
  return LINEWRIGHT_PRODUCT
      "\n\n"
      "Véletlenszerű pályák a Kavo vasúti szimulátorhoz.\n\n"
      "Program: a Linewright fejlesztői\n"
      "Magyar fordítás: a Linewright fordítói";
}
