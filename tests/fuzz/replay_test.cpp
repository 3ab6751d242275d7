// SPDX-License-Identifier: MIT
// Replays the fuzz targets' seed corpus and every input that once made a target fail, so the
// normal suite keeps each found fault fixed without a fuzzing build.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "fuzz/harness.h"
#include "support/file_bytes.h"

namespace {

namespace fs = std::filesystem;

// Runs `check` on every file of corpus/<target> and regressions/<target>; the seed corpus
// must not be empty.
void replay(const std::string& target, const std::function<std::string(std::string_view)>& check) {
  int seeds = 0;
  for (const char* kind : {"corpus", "regressions"}) {
    const fs::path folder = fs::path(FUZZ_DIR) / kind / target;
    if (!fs::is_directory(folder)) continue;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
      EXPECT_EQ(check(bytesOf(entry.path())), "") << entry.path();
      if (kind == std::string("corpus")) ++seeds;
    }
  }
  EXPECT_GT(seeds, 0) << "no seed inputs for " << target;
}

TEST(FuzzReplay, GenerationOnEverySavedInput) {
  replay("generate", generationProblem);
}

TEST(FuzzReplay, TableCheckOnEverySavedInput) {
  replay("table_check", tableCheckProblem);
}

TEST(FuzzReplay, TableFitOnEverySavedInput) {
  replay("table_check", tableFitProblem);
}

TEST(FuzzReplay, DesignListOnEverySavedInput) {
  replay("design_list", designListProblem);
}

}  // namespace
