#include "scrprocs/uservars.h"

UserValue uservalue[kUserEntries];
UserWord userword[kUserEntries];
UserRndSet userrndset[kUserEntries];
UserMacro usermacro[kUserEntries];

namespace {

template <typename Entry>
Entry* Find(Entry (&table)[kUserEntries], const std::string& name) {
  if (name.empty()) return nullptr;
  for (Entry& e : table)
    if (e.name == name) return &e;
  return nullptr;
}

template <typename Entry>
Entry* Claim(Entry (&table)[kUserEntries], const std::string& name) {
  if (Entry* e = Find(table, name)) return e;
  for (Entry& e : table) {
    if (e.name.empty()) {
      e = Entry();
      e.name = name;
      return &e;
    }
  }
  return nullptr;
}

template <typename Entry>
void Reset(Entry (&table)[kUserEntries]) {
  for (Entry& e : table) e = Entry();
}

}  // namespace

void ResetUserVariables() {
  Reset(uservalue);
  Reset(userword);
  Reset(userrndset);
  Reset(usermacro);
}

void ResetUserMacros() { Reset(usermacro); }

UserValue* FindUserValue(const std::string& name) { return Find(uservalue, name); }
UserWord* FindUserWord(const std::string& name) { return Find(userword, name); }
UserRndSet* FindUserRndSet(const std::string& name) { return Find(userrndset, name); }
UserMacro* FindUserMacro(const std::string& name) { return Find(usermacro, name); }

UserValue* ClaimUserValue(const std::string& name) { return Claim(uservalue, name); }
UserWord* ClaimUserWord(const std::string& name) { return Claim(userword, name); }
UserRndSet* ClaimUserRndSet(const std::string& name) { return Claim(userrndset, name); }
UserMacro* ClaimUserMacro(const std::string& name) { return Claim(usermacro, name); }
