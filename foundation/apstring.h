// SPDX-License-Identifier: MIT
// The checked string every text of the system is held in: an owning single-byte string
// with an explicit length and capacity, deep copies and whole-string case-sensitive equality.
// The capacity follows fixed rules (see each operation) so that growth is predictable;
// `capacity()` reports it. Its stream operators are in foundation/apstring_stream.h.
#ifndef MUSTERWRIGHT_FOUNDATION_APSTRING_H
#define MUSTERWRIGHT_FOUNDATION_APSTRING_H

class apstring {
 public:
  // The empty string: length 0, capacity 1.
  apstring();
  // A copy of the NUL-terminated text `s`; capacity is its length + 1. A null `s` ends
  // the program with a message naming the condition "s != 0", in every build.
  apstring(const char* s);  // NOLINT(google-explicit-constructor): texts convert freely
  // A deep copy; capacity is the length + 1, whatever spare room `str` had.
  apstring(const apstring& str);
  ~apstring();

  // Take the characters of `str` (or of the text `s`, which must not be null). The capacity
  // is kept when it holds them, otherwise becomes length + 1; it never shrinks.
  // Assigning a string to itself changes nothing.
  apstring& operator=(const apstring& str);
  apstring& operator=(const char* s);
  // Become the single character `ch`; the capacity becomes 2 if it was below that.
  apstring& operator=(char ch);

  int length() const { return myLength; }
  int capacity() const { return myCapacity; }
  // The NUL-terminated characters; valid until this string is next changed or destroyed.
  const char* c_str() const { return myCstring; }

  // Appends a copy of `str` (appending a string to itself doubles it). With new length m
  // the capacity is kept when m is below it, otherwise becomes m + 1, or 2 * (m + 1) when
  // exactly one character is appended.
  apstring& operator+=(const apstring& str);
  // Appends one character, exactly as appending a one-character string. A NUL byte cannot
  // be held in the text and appends nothing.
  apstring& operator+=(char ch);

 private:
  // Replaces the buffer by one of `newCapacity` bytes holding the current characters.
  void regrow(int newCapacity);

  int myLength;
  int myCapacity;
  char* myCstring;
};

// A copy of `lhs` with `rhs` appended.
apstring operator+(const apstring& lhs, const apstring& rhs);
apstring operator+(const apstring& lhs, char rhs);

// Byte-for-byte equality of the whole texts: no case folding, no trimming.
bool operator==(const apstring& lhs, const apstring& rhs);
bool operator!=(const apstring& lhs, const apstring& rhs);

#endif
