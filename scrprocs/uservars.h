#ifndef LINEWRIGHT_SCRPROCS_USERVARS_H
#define LINEWRIGHT_SCRPROCS_USERVARS_H

#include <string>

// The script's named values, words, random sets and macros. Each table has
// a fixed number of entries; an entry is free while its name is empty.
// Names are compared exactly (case matters) and hold 1 to 30 characters.

constexpr int kUserEntries = 64;
constexpr std::size_t kUserNameMax = 30;
constexpr std::size_t kUserWordMax = 31;
constexpr int kRndSetItemsMax = 32;
constexpr std::size_t kRndSetItemMax = 15;
constexpr std::size_t kMacroBodyMax = 8190;

struct UserValue {
  std::string name;
  double value = 0;  // double, so that 12345.67 comes back as written
};

struct UserWord {
  std::string name;
  std::string text;  // at most kUserWordMax characters
};

struct UserRndSet {
  std::string name;
  std::string items[kRndSetItemsMax];  // each at most kRndSetItemMax characters
  int count = 0;                       // items in use
};

struct UserMacro {
  std::string name;
  std::string body;  // at most kMacroBodyMax characters
};

extern UserValue uservalue[kUserEntries];
extern UserWord userword[kUserEntries];
extern UserRndSet userrndset[kUserEntries];
extern UserMacro usermacro[kUserEntries];

// Empties all four tables.
void ResetUserVariables();
// Empties the macro table only (each route reading starts without macros).
void ResetUserMacros();

// The entry named `name`, or null. An empty name finds nothing.
UserValue* FindUserValue(const std::string& name);
UserWord* FindUserWord(const std::string& name);
UserRndSet* FindUserRndSet(const std::string& name);
UserMacro* FindUserMacro(const std::string& name);

// The entry named `name`, else the first free entry (given the name), else
// null when all are used.
UserValue* ClaimUserValue(const std::string& name);
UserWord* ClaimUserWord(const std::string& name);
UserRndSet* ClaimUserRndSet(const std::string& name);
UserMacro* ClaimUserMacro(const std::string& name);

#endif
