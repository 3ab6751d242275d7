// SPDX-License-Identifier: MIT
#include "foundation/apstring.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// The null-text precondition holds in release builds too: a null text never reaches strlen.
const char* requireText(const char* s) {
  if (s == nullptr) {
    std::fputs("apstring: precondition failed: s != 0\n", stderr);
    std::abort();
  }
  return s;
}

}  // namespace

apstring::apstring() : myLength(0), myCapacity(1), myCstring(new char[1]) {
  myCstring[0] = '\0';
}

apstring::apstring(const char* s)
    : myLength(static_cast<int>(std::strlen(requireText(s)))),
      myCapacity(myLength + 1),
      myCstring(new char[myCapacity]) {
  std::memcpy(myCstring, s, myCapacity);
}

apstring::apstring(const apstring& str)
    : myLength(str.myLength), myCapacity(str.myLength + 1), myCstring(new char[myCapacity]) {
  std::memcpy(myCstring, str.myCstring, myCapacity);
}

apstring::~apstring() {
  delete[] myCstring;
}

apstring& apstring::operator=(const apstring& str) {
  if (this == &str) return *this;
  if (str.myLength + 1 > myCapacity) {
    delete[] myCstring;
    myCapacity = str.myLength + 1;
    myCstring = new char[myCapacity];
  }
  myLength = str.myLength;
  std::memcpy(myCstring, str.myCstring, myLength + 1);
  return *this;
}

apstring& apstring::operator=(const char* s) {
  const int n = static_cast<int>(std::strlen(requireText(s)));
  if (n + 1 > myCapacity) {
    delete[] myCstring;
    myCapacity = n + 1;
    myCstring = new char[myCapacity];
  }
  myLength = n;
  // memmove: the text may be this string's own characters (s = s.c_str()).
  std::memmove(myCstring, s, n + 1);
  return *this;
}

apstring& apstring::operator=(char ch) {
  if (myCapacity < 2) {
    delete[] myCstring;
    myCapacity = 2;
    myCstring = new char[myCapacity];
  }
  myLength = 1;
  myCstring[0] = ch;
  myCstring[1] = '\0';
  return *this;
}

void apstring::regrow(int newCapacity) {
  char* grown = new char[newCapacity];
  std::memcpy(grown, myCstring, myLength + 1);
  delete[] myCstring;
  myCstring = grown;
  myCapacity = newCapacity;
}

apstring& apstring::operator+=(const apstring& str) {
  const int added = str.myLength;
  const int newLength = myLength + added;
  if (newLength >= myCapacity) {
    const int exact = newLength + 1;
    // Growing first is safe for self-append: the characters are copied into the new buffer.
    regrow(added == 1 ? 2 * exact : exact);
  }
  // Source and destination never overlap: the appended characters land after the old ones.
  std::memcpy(myCstring + myLength, str.myCstring, added);
  myLength = newLength;
  myCstring[myLength] = '\0';
  return *this;
}

apstring& apstring::operator+=(char ch) {
  // A NUL cannot live inside a NUL-terminated text: it appends nothing, as "" would.
  if (ch == '\0') return *this;
  const int newLength = myLength + 1;
  if (newLength >= myCapacity) regrow(2 * (newLength + 1));
  myCstring[myLength] = ch;
  myLength = newLength;
  myCstring[myLength] = '\0';
  return *this;
}

apstring operator+(const apstring& lhs, const apstring& rhs) {
  apstring result(lhs);
  result += rhs;
  return result;
}

apstring operator+(const apstring& lhs, char rhs) {
  apstring result(lhs);
  result += rhs;
  return result;
}

bool operator==(const apstring& lhs, const apstring& rhs) {
  return std::strcmp(lhs.c_str(), rhs.c_str()) == 0;
}

bool operator!=(const apstring& lhs, const apstring& rhs) {
  return !(lhs == rhs);
}
