// SPDX-License-Identifier: MIT
// Prints the four choice lists' items as HTML, one list a line: the list control's id, a space,
// then an <option> element for each word in list order. The page's build writes them into the
// HTML, so that the form paints complete before the engine has loaded.
#include <iostream>
#include <string_view>

#include "generator/choice_lists.h"

namespace {

template <typename Words>
void printList(std::string_view control, const Words& words) {
  std::cout << control << ' ';
  for (std::string_view word : words) {
    std::cout << "<option>";
    for (char c : word) {
      switch (c) {
        case '&':
          std::cout << "&amp;";
          break;
        case '<':
          std::cout << "&lt;";
          break;
        default:
          std::cout << c;
      }
    }
    std::cout << "</option>";
  }
  std::cout << '\n';
}

}  // namespace

int main() {
  printList("HouseBox", kFactionChoices);
  printList("SizeBox", kSizeChoices);
  printList("ExperienceBox", kExperienceChoices);
  printList("WeightBox", kWeightChoices);
}
