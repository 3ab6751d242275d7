// SPDX-License-Identifier: MIT
// The script values the page's bindings hand back: a list of texts as a script array.
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

#endif
