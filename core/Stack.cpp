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

void Stack::PopString(char* dest, bool remove, int max) {
  if (dest == nullptr) return;
  StackEntry* e = Top();
  if (e == nullptr) {
    dest[0] = '\0';
    return;
  }
  e->GetString(dest, max);
  if (remove) RemoveTop();
}

std::string Stack::PopString(bool remove) {
  StackEntry* e = Top();
  if (e == nullptr) return std::string();
  std::string s = e->GetString();
  if (remove) RemoveTop();
  return s;
}

char Stack::PopChar(char def, bool remove) {
  StackEntry* e = Top();
  if (e == nullptr) return def;
  char v = e->GetChar();
  if (remove) RemoveTop();
  return v;
}

int Stack::PopInt(int def, bool remove) {
  StackEntry* e = Top();
  if (e == nullptr) return def;
  int v = e->GetInt();
  if (remove) RemoveTop();
  return v;
}

float Stack::PopFloat(float def, bool remove) {
  StackEntry* e = Top();
  if (e == nullptr) return def;
  float v = e->GetFloat();
  if (remove) RemoveTop();
  return v;
}

void* Stack::PopPtr(void* def, bool remove) {
  StackEntry* e = Top();
  if (e == nullptr) return def;
  void* v = e->GetPointer();
  if (remove) RemoveTop();
  return v;
}

bool Stack::Pop(bool remove) {
  StackEntry* e = Top();
  if (e == nullptr) return false;
  bool result = !e->GetEmpty();
  if (remove) RemoveTop();
  return result;
}

void Stack::PopStringE(char* dest, bool remove, int max) {
  if (dest == nullptr) return;
  StackEntry* e = Bottom();
  if (e == nullptr) {
    dest[0] = '\0';
    return;
  }
  e->GetString(dest, max);
  if (remove) RemoveBottom();
}

std::string Stack::PopStringE(bool remove) {
  StackEntry* e = Bottom();
  if (e == nullptr) return std::string();
  std::string s = e->GetString();
  if (remove) RemoveBottom();
  return s;
}

char Stack::PopCharE(char def, bool remove) {
  StackEntry* e = Bottom();
  if (e == nullptr) return def;
  char v = e->GetChar();
  if (remove) RemoveBottom();
  return v;
}

int Stack::PopIntE(int def, bool remove) {
  StackEntry* e = Bottom();
  if (e == nullptr) return def;
  int v = e->GetInt();
  if (remove) RemoveBottom();
  return v;
}

float Stack::PopFloatE(float def, bool remove) {
  StackEntry* e = Bottom();
  if (e == nullptr) return def;
  float v = e->GetFloat();
  if (remove) RemoveBottom();
  return v;
}

void* Stack::PopPtrE(void* def, bool remove) {
  StackEntry* e = Bottom();
  if (e == nullptr) return def;
  void* v = e->GetPointer();
  if (remove) RemoveBottom();
  return v;
}

bool Stack::PopE(bool remove) {
  StackEntry* e = Bottom();
  if (e == nullptr) return false;
  bool result = !e->GetEmpty();
  if (remove) RemoveBottom();
  return result;
}

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
