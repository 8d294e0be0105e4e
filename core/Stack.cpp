#include "core/Stack.h"

#include <new>

Stack::~Stack() { MakeEmpty(); }

bool Stack::Add(StackEntry* entry, bool front) {
  if (entry == nullptr) return false;
  if (front) {
    entry->previous = nullptr;
    entry->next = first_;
    if (first_) first_->previous = entry;
    first_ = entry;
    if (!last_) last_ = entry;
  } else {
    entry->next = nullptr;
    entry->previous = last_;
    if (last_) last_->next = entry;
    last_ = entry;
    if (!first_) first_ = entry;
  }
  ++size_;
  return true;
}

bool Stack::Remove(bool front) {
  StackEntry* e = front ? first_ : last_;
  if (e == nullptr) return false;
  if (front) {
    first_ = e->next;
    if (first_)
      first_->previous = nullptr;
    else
      last_ = nullptr;
  } else {
    last_ = e->previous;
    if (last_)
      last_->next = nullptr;
    else
      first_ = nullptr;
  }
  delete e;
  --size_;
  return true;
}

void Stack::MakeEmpty() {
  while (Remove(true)) {
  }
}

bool Stack::Push(const char* s) { return AddTop(new (std::nothrow) StackEntry(s)); }
bool Stack::Push(char c) { return AddTop(new (std::nothrow) StackEntry(c)); }
bool Stack::Push(int i) { return AddTop(new (std::nothrow) StackEntry(i)); }
bool Stack::Push(float f) { return AddTop(new (std::nothrow) StackEntry(f)); }
bool Stack::Push(void* p) { return AddTop(new (std::nothrow) StackEntry(p)); }
bool Stack::Push() { return AddTop(new (std::nothrow) StackEntry()); }
bool Stack::PushE(const char* s) { return AddBottom(new (std::nothrow) StackEntry(s)); }
bool Stack::PushE(char c) { return AddBottom(new (std::nothrow) StackEntry(c)); }
bool Stack::PushE(int i) { return AddBottom(new (std::nothrow) StackEntry(i)); }
bool Stack::PushE(float f) { return AddBottom(new (std::nothrow) StackEntry(f)); }
bool Stack::PushE(void* p) { return AddBottom(new (std::nothrow) StackEntry(p)); }
bool Stack::PushE() { return AddBottom(new (std::nothrow) StackEntry()); }

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
int Stack::PopInt(int def, bool remove) { return Take(true, remove, def, ReadInt); }
float Stack::PopFloat(float def, bool remove) { return Take(true, remove, def, ReadFloat); }
void* Stack::PopPtr(void* def, bool remove) { return Take(true, remove, def, ReadPtr); }
bool Stack::Pop(bool remove) { return Take(true, remove, false, ReadPresent); }
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

StackEntry* Stack::Element(int index) const {
  if (index < 0) return nullptr;
  StackEntry* e = Top();
  while (e != nullptr && index > 0) {
    e = inverted_ ? e->previous : e->next;
    --index;
  }
  return e;
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
