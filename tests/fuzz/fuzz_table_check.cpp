// SPDX-License-Identifier: MIT
// libFuzzer entry: the table checker of --check-tables and the layout of --fit-tables on
// arbitrary bytes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz/harness.h"

namespace {

struct Check {
  const char* what;
  std::string (*problem)(std::string_view);
};
constexpr Check kChecks[] = {
    {"the table checker", tableCheckProblem},
    {"the table fit",     tableFitProblem  },
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  for (const Check& check : kChecks) {
    const std::string problem = check.problem(input);
    if (!problem.empty()) {
      std::fprintf(stderr, "%s went wrong: %s\n", check.what, problem.c_str());
      std::abort();
    }
  }
  return 0;
}
