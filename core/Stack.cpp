#include "core/Stack.h"

#include <utility>

Stack::~Stack() = default;

void Stack::Grow() {
  // The entries in order from the start of a ring twice as large.
  std::vector<StackEntry> bigger(slots_.empty() ? 8 : slots_.size() * 2);
  for (int i = 0; i < size_; ++i) bigger[static_cast<size_t>(i)] = std::move(Slot(i));
  slots_.swap(bigger);
  mask_ = static_cast<int>(slots_.size()) - 1;
  head_ = 0;
}

bool Stack::Add(StackEntry* entry, bool front) {
  if (entry == nullptr) return false;
  *NewSlot(front) = std::move(*entry);
  delete entry;
  return true;
}

void Stack::MakeEmpty() {
  while (Remove(true)) {
  }
}

template <typename T, typename Read>
T Stack::Take(bool top, bool remove, T def, Read read) {
  StackEntry* e = top ? Top() : Bottom();
  if (e == nullptr) return def;
  T value = read(*e);
  if (remove) top ? RemoveTop() : RemoveBottom();
  return value;
}

void Stack::PopString(char* dest, bool remove, int max) { TakeString(true, dest, remove, max); }
void Stack::PopStringE(char* dest, bool remove, int max) { TakeString(false, dest, remove, max); }

void Stack::TakeString(bool top, char* dest, bool remove, int max) {
  if (dest == nullptr) return;
  dest[0] = '\0';
  Take(top, remove, 0, [&](const StackEntry& e) {
    e.GetString(dest, max);
    return 0;
  });
}

std::string Stack::PopString(bool remove) {
  return Take(true, remove, std::string(), [](const StackEntry& e) { return e.GetString(); });
}
std::string Stack::PopStringE(bool remove) {
  return Take(false, remove, std::string(), [](const StackEntry& e) { return e.GetString(); });
}

namespace {
char ReadChar(const StackEntry& e) { return e.GetChar(); }
int ReadInt(const StackEntry& e) { return e.GetInt(); }
float ReadFloat(const StackEntry& e) { return e.GetFloat(); }
void* ReadPtr(const StackEntry& e) { return e.GetPointer(); }
bool ReadPresent(const StackEntry& e) { return !e.GetEmpty(); }
}  // namespace

char Stack::PopChar(char def, bool remove) { return Take(true, remove, def, ReadChar); }
void* Stack::PopPtr(void* def, bool remove) { return Take(true, remove, def, ReadPtr); }
char Stack::PopCharE(char def, bool remove) { return Take(false, remove, def, ReadChar); }
int Stack::PopIntE(int def, bool remove) { return Take(false, remove, def, ReadInt); }
float Stack::PopFloatE(float def, bool remove) { return Take(false, remove, def, ReadFloat); }
void* Stack::PopPtrE(void* def, bool remove) { return Take(false, remove, def, ReadPtr); }
bool Stack::PopE(bool remove) { return Take(false, remove, false, ReadPresent); }

const char* Stack::GetStringReference() const {
  StackEntry* e = Top();
  return e ? e->StringRef() : nullptr;
}

const char* Stack::GetStringReferenceE() const {
  StackEntry* e = Bottom();
  return e ? e->StringRef() : nullptr;
}

int Stack::Peek(int index, int def) const {
  StackEntry* e = Element(index);
  return e ? e->GetInt() : def;
}

float Stack::Peek(int index, float def) const {
  StackEntry* e = Element(index);
  return e ? e->GetFloat() : def;
}

bool Stack::Peek(int index) const {
  StackEntry* e = Element(index);
  return e != nullptr && !e->GetEmpty();
}

bool Stack::EqualElements(int index, const Stack* other) const {
  if (other == nullptr || index < 0 || index >= size_ || index >= other->size_) return false;
  return Element(index)->Equals(other->Element(index));
}
