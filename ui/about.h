#ifndef LINEWRIGHT_UI_ABOUT_H
#define LINEWRIGHT_UI_ABOUT_H

#include <string>

// The About box's text (UTF-8): the product and its version, what it is
// for, and the credits of the program and of its Hungarian translation.
std::string AboutText();

#endif
