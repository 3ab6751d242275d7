// SPDX-License-Identifier: MIT
// The script values the page's bindings hand back: a list of texts as a script array, and bytes
// as a Uint8Array of their own.
#ifndef MUSTERWRIGHT_WEB_PAGE_VALUES_H
#define MUSTERWRIGHT_WEB_PAGE_VALUES_H

#include <emscripten/val.h>

#include <string>

// A script array of `words`' items as strings, in their order; any container whose items make
// a std::string (std::string, std::string_view, const char*).
template <typename Words>
emscripten::val arrayOf(const Words& words) {
  emscripten::val array = emscripten::val::array();
  for (const auto& word : words) array.call<void>("push", std::string(word));
  return array;
}

// A Uint8Array holding a copy of `bytes`, which stays valid whatever the engine does next.
inline emscripten::val bytesValue(const std::string& bytes) {
  return emscripten::val(emscripten::typed_memory_view(
                             bytes.size(), reinterpret_cast<const unsigned char*>(bytes.data())))
      .call<emscripten::val>("slice");
}

#endif
