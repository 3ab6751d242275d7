// SPDX-License-Identifier: MIT
// The checked string every text of the system is held in: an owning single-byte string
// with an explicit length and capacity, deep copies, whole-string case-sensitive equality,
// and the line reader that the table file is read with. The capacity follows fixed rules
// (see each operation) so that growth is predictable; `capacity()` reports it.
#ifndef MUSTERWRIGHT_FOUNDATION_APSTRING_H
#define MUSTERWRIGHT_FOUNDATION_APSTRING_H

#include <istream>
#include <ostream>

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

// Writes the characters and nothing else (no line end, no padding).
std::ostream& operator<<(std::ostream& os, const apstring& str);

// Reads one line into `s`: empties it, then takes characters one by one until a line feed
// (consumed, not stored) or a failed read. Nothing is translated, so a carriage return
// before the line feed stays in `s` (only NUL bytes, which no text can hold, are skipped). A last
// line without a line feed is delivered whole, leaving the stream at end of file and failed; on a
// stream already failed, `s` becomes "" at once. The stream's state is never cleared here.
std::istream& getline(std::istream& is, apstring& s);

#endif
