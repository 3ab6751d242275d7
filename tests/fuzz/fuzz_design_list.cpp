// SPDX-License-Identifier: MIT
// libFuzzer entry: the CSV reader and the design list on arbitrary bytes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz/harness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string problem =
      designListProblem(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!problem.empty()) {
    std::fprintf(stderr, "the design list went wrong: %s\n", problem.c_str());
    std::abort();
  }
  return 0;
}
