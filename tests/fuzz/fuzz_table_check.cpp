// libFuzzer entry: the table checker of --check-tables and the layout of --fit-tables on
// arbitrary bytes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz/harness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  for (const auto& [what, check] : {
           std::pair{"the table checker", tableCheckProblem},
           std::pair{"the table fit",     tableFitProblem  }
  }) {
    const std::string problem = check(input);
    if (!problem.empty()) {
      std::fprintf(stderr, "%s went wrong: %s\n", what, problem.c_str());
      std::abort();
    }
  }
  return 0;
}
