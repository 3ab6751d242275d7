// SPDX-License-Identifier: MIT
// The checked vector the roster is held in: an owning array of records whose element
// access checks the index. A bad index writes "Illegal vector index: K max index = L" to
// the standard error stream and ends the process with exit status 1 through std::exit, so
// static objects are destroyed. Copies are deep; a moved-from vector is empty.
#ifndef MUSTERWRIGHT_FOUNDATION_APVECTOR_H
#define MUSTERWRIGHT_FOUNDATION_APVECTOR_H

#include <cstdio>
#include <cstdlib>
#include <utility>

template <class itemType>
class apvector {
 public:
  // An empty vector: length 0, no array.
  apvector() = default;
  apvector(const apvector& other) { *this = other; }
  apvector(apvector&& other) noexcept { swap(other); }
  apvector& operator=(const apvector& other) {
    if (this != &other) {
      resize(0);
      resize(other.myLength);
      for (int k = 0; k < myLength; ++k) myList[k] = other.myList[k];
    }
    return *this;
  }
  apvector& operator=(apvector&& other) noexcept {
    apvector taken;
    taken.swap(other);
    swap(taken);
    return *this;
  }
  ~apvector() { delete[] myList; }

  int length() const { return myLength; }

  // Makes the length `newSize` (not negative). Records in the positions that the old and
  // the new size share keep all their contents; positions beyond the old length start as
  // default records.
  void resize(int newSize) {
    const int keep = newSize < myLength ? newSize : myLength;
    itemType* newList = newSize > 0 ? new itemType[newSize] : nullptr;
    for (int k = 0; k < keep; ++k) newList[k] = myList[k];
    delete[] myList;
    myList = newList;
    myLength = newSize;
  }

  // Record `k`; a `k` outside 0 .. length() - 1 ends the process as described above.
  itemType& operator[](int k) {
    checkIndex(k);
    return myList[k];
  }
  const itemType& operator[](int k) const {
    checkIndex(k);
    return myList[k];
  }

 private:
  void swap(apvector& other) noexcept {
    std::swap(myLength, other.myLength);
    std::swap(myList, other.myList);
  }

  void checkIndex(int k) const {
    if (k < 0 || k >= myLength) {
      // The standard output first, so what was written before the message comes before it.
      std::fflush(stdout);
      std::fprintf(stderr, "Illegal vector index: %d max index = %d\n", k, myLength - 1);
      std::exit(1);
    }
  }

  int myLength = 0;
  itemType* myList = nullptr;
};

#endif
