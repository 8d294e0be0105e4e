#ifndef LINEWRIGHT_CORE_STACK_H
#define LINEWRIGHT_CORE_STACK_H

#include <string>

#include "core/StackEntry.h"

// A doubly linked list of typed values, used as stack, queue or indexed
// list. "Top" is the front of the list, or its end while inverted; "bottom"
// (the E operations) is the other end. The list owns its entries.
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

  // Insert at the top. False only when no memory was available.
  bool Push(const char* s);
  bool Push(const std::string& s) { return Push(s.c_str()); }
  bool Push(char c);
  bool Push(int i);
  bool Push(float f);
  bool Push(void* p);
  bool Push();
  // Insert at the bottom.
  bool PushE(const char* s);
  bool PushE(const std::string& s) { return PushE(s.c_str()); }
  bool PushE(char c);
  bool PushE(int i);
  bool PushE(float f);
  bool PushE(void* p);
  bool PushE();

  // The top entry converted to the kind, or the default on an empty list;
  // removed when `remove` is set. PopString copies at most `max` characters
  // into dest (dest needs max + 1 bytes); an empty list gives "".
  void PopString(char* dest, bool remove, int max);
  std::string PopString(bool remove);
  char PopChar(char def, bool remove);
  int PopInt(int def, bool remove);
  float PopFloat(float def, bool remove);
  void* PopPtr(void* def, bool remove);
  // True when there is a top entry and it is not empty-kind.
  bool Pop(bool remove);

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

  // The entry `index` places from the top, or null.
  StackEntry* Element(int index) const;
  int Peek(int index, int def) const;
  float Peek(int index, float def) const;
  bool Peek(int index) const;

  int Size() const { return size_; }
  bool IsEmpty() const { return size_ == 0; }
  void Invert() { inverted_ = !inverted_; }
  void MakeEmpty();
  bool EqualElements(int index, const Stack* other) const;

  // Insert at / remove from the list's front (true) or end (false),
  // regardless of inversion.
  bool Add(StackEntry* entry, bool front);
  bool Remove(bool front);

 private:
  StackEntry* Top() const { return inverted_ ? last_ : first_; }
  StackEntry* Bottom() const { return inverted_ ? first_ : last_; }
  bool AddTop(StackEntry* e) { return Add(e, !inverted_); }
  bool AddBottom(StackEntry* e) { return Add(e, inverted_); }
  void RemoveTop() { Remove(!inverted_); }
  void RemoveBottom() { Remove(inverted_); }
  // Reads the top (or bottom) entry with `read`, or gives `def` when the
  // list is empty; removes the entry when `remove` is set.
  template <typename T, typename Read>
  T Take(bool top, bool remove, T def, Read read);
  void TakeString(bool top, char* dest, bool remove, int max);

  StackEntry* first_ = nullptr;
  StackEntry* last_ = nullptr;
  bool inverted_ = false;
  int size_ = 0;
};

#endif
