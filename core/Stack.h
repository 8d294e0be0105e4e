#ifndef LINEWRIGHT_CORE_STACK_H
#define LINEWRIGHT_CORE_STACK_H

#include <string>
#include <string_view>
#include <vector>

#include "core/StackEntry.h"

// A double-ended list of typed values, used as stack, queue or indexed
// list. "Top" is the front of the list, or its end while inverted; "bottom"
// (the E operations) is the other end. The list owns its entries.
//
// The entries live in one ring of slots that only grows: emptying the list
// keeps the slots (and the memory of their strings), so a list that is
// filled and emptied once per line of a file allocates nothing after the
// first few lines.
//
// Command parameters travel in it: pushed with PushE in reading order, they
// pop first-to-last with the Pop* operations, each in the kind the reader
// needs and with a default once the list is exhausted.
class Stack {
 public:
  Stack() = default;
  ~Stack();
  Stack(const Stack&) = delete;
  Stack& operator=(const Stack&) = delete;

  // Insert at the top. Always true: the slots grow as needed (a failed
  // allocation ends the program, as it does for every working buffer).
  bool Push(const char* s) { return Put(AddTop(), s); }
  bool Push(const std::string& s) { return Push(s.c_str()); }
  bool Push(std::string_view s) { return Put(AddTop(), s); }
  bool Push(char c) { return Put(AddTop(), c); }
  bool Push(int i) { return Put(AddTop(), i); }
  bool Push(float f) { return Put(AddTop(), f); }
  bool Push(void* p) { return Put(AddTop(), p); }
  bool Push() { return AddTop() != nullptr; }
  // Insert at the bottom.
  bool PushE(const char* s) { return Put(AddBottom(), s); }
  bool PushE(const std::string& s) { return PushE(std::string_view(s)); }
  bool PushE(std::string_view s) { return Put(AddBottom(), s); }
  bool PushE(char c) { return Put(AddBottom(), c); }
  bool PushE(int i) { return Put(AddBottom(), i); }
  bool PushE(float f) { return Put(AddBottom(), f); }
  bool PushE(void* p) { return Put(AddBottom(), p); }
  bool PushE() { return AddBottom() != nullptr; }

  // The top entry converted to the kind, or the default on an empty list;
  // removed when `remove` is set. PopString copies at most `max` characters
  // into dest (dest needs max + 1 bytes); an empty list gives "".
  void PopString(char* dest, bool remove, int max);
  std::string PopString(bool remove);
  char PopChar(char def, bool remove);
  int PopInt(int def, bool remove) {
    StackEntry* e = Top();
    if (e == nullptr) return def;
    int value = e->GetInt();
    if (remove) RemoveTop();
    return value;
  }
  float PopFloat(float def, bool remove) {
    StackEntry* e = Top();
    if (e == nullptr) return def;
    float value = e->GetFloat();
    if (remove) RemoveTop();
    return value;
  }
  void* PopPtr(void* def, bool remove);
  // True when there is a top entry and it is not empty-kind.
  bool Pop(bool remove) {
    StackEntry* e = Top();
    if (e == nullptr) return false;
    bool present = !e->GetEmpty();
    if (remove) RemoveTop();
    return present;
  }

  void PopStringE(char* dest, bool remove, int max);
  std::string PopStringE(bool remove);
  char PopCharE(char def, bool remove);
  int PopIntE(int def, bool remove);
  float PopFloatE(float def, bool remove);
  void* PopPtrE(void* def, bool remove);
  bool PopE(bool remove);

  // The string of the top / bottom entry without copying; null when there
  // is none or it is not a string.
  const char* GetStringReference() const;
  const char* GetStringReferenceE() const;

  // The entry `index` places from the top, or null. Valid until the list
  // changes.
  StackEntry* Element(int index) const {
    if (index < 0 || index >= size_) return nullptr;
    return &Slot(inverted_ ? size_ - 1 - index : index);
  }
  int Peek(int index, int def) const;
  float Peek(int index, float def) const;
  bool Peek(int index) const;

  int Size() const { return size_; }
  bool IsEmpty() const { return size_ == 0; }
  void Invert() { inverted_ = !inverted_; }
  void MakeEmpty();
  bool EqualElements(int index, const Stack* other) const;

  // Insert at / remove from the list's front (true) or end (false),
  // regardless of inversion. Add takes over `entry` (allocated with new).
  bool Add(StackEntry* entry, bool front);
  bool Remove(bool front) {
    if (size_ == 0) return false;
    if (front) {
      Slot(0).SetEmpty();
      head_ = (head_ + 1) & mask_;
    } else {
      Slot(size_ - 1).SetEmpty();
    }
    --size_;
    return true;
  }

 private:
  StackEntry* Top() const { return Element(0); }
  StackEntry* Bottom() const { return Element(size_ - 1); }
  // A new empty slot at the top or bottom, for the value to be set in.
  StackEntry* AddTop() { return NewSlot(!inverted_); }
  StackEntry* AddBottom() { return NewSlot(inverted_); }
  StackEntry* NewSlot(bool front) {
    if (size_ == Capacity()) Grow();
    ++size_;
    if (!front) return &Slot(size_ - 1);
    head_ = (head_ - 1) & mask_;
    return &Slot(0);
  }
  void Grow();
  template <typename T>
  static bool Put(StackEntry* e, T value) {
    e->Set(value);
    return true;
  }
  StackEntry& Slot(int fromFront) const { return slots_.data()[(head_ + fromFront) & mask_]; }
  int Capacity() const { return mask_ + 1; }
  void RemoveTop() { Remove(!inverted_); }
  void RemoveBottom() { Remove(inverted_); }
  // Reads the top (or bottom) entry with `read`, or gives `def` when the
  // list is empty; removes the entry when `remove` is set.
  template <typename T, typename Read>
  T Take(bool top, bool remove, T def, Read read);
  void TakeString(bool top, char* dest, bool remove, int max);

  // The ring: a power-of-two number of slots, the front at head_.
  mutable std::vector<StackEntry> slots_;
  int mask_ = -1;  // slots - 1
  int head_ = 0;
  bool inverted_ = false;
  int size_ = 0;
};

#endif
