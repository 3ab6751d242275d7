// SPDX-License-Identifier: MIT
// Replays the fuzz targets' seed corpus and every input that once made a target fail, so the
// normal suite keeps each found fault fixed without a fuzzing build.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "fuzz/harness.h"
#include "generator/choice_lists.h"
#include "support/file_bytes.h"
#include "support/table_files.h"

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

// `sound` with every third entry of the Kurita and Wolf tables a weight heading, so that a draw
// of it leaves a heading in the line buffer for the next search to stop on.
std::string headingEntries(std::string sound) {
  for (const char* prefix : {"\nKur ", "\nWol "}) {
    for (std::size_t at = sound.find(prefix), k = 0; at != std::string::npos;
         at = sound.find(prefix, at + 1), ++k) {
      const std::size_t end = sound.find('\n', at + 1);
      if (k % 3 == 0) sound.replace(at + 1, end - at - 1, kWeightHeadings[k / 3 % 4]);
    }
  }
  return sound;
}

// Table files with every quirk the searches have, beside the saved inputs.
std::vector<std::pair<std::string, std::string>> quirkyTableFiles() {
  const std::string sound = soundTables();
  const std::size_t kuritaHeavy = sound.find("Heavy\n");
  std::vector<std::pair<std::string, std::string>> files = {
      {"sound",                 sound                  },
      {"shipped",               bytesOf(SHIPPED_TABLES)},
      {"CR LF",                 withCrLf(sound)        },
      {"no Kurita Heavy table", sound.substr(0,          kuritaHeavy) + sound.substr(kuritaHeavy + 6)},
      {"vehicles 5 bytes late",                       "Filler\nFill\n" + sound.substr(7)                       },
      {"entries that are headings",                       headingEntries(sound)},
      {"NUL bytes inside lines",                       std::string("Kur\0ita\n",                           8) + sound},
      {"empty",             ""         },
  };
  for (std::size_t cut = 5; cut < sound.size(); cut += 613)
    files.emplace_back("cut short at byte " + std::to_string(cut), sound.substr(0, cut));
  return files;
}

TEST(FuzzReplay, IndexAndStreamDrawTheSameFromEverySavedInputAndQuirkyFile) {
  std::vector<std::pair<std::string, std::string>> inputs;
  for (const char* kind : {"corpus", "regressions"}) {
    const fs::path folder = fs::path(FUZZ_DIR) / kind / "generate";
    if (!fs::is_directory(folder)) continue;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
      inputs.emplace_back(entry.path().string(), bytesOf(entry.path()));
  }
  // The choice bytes of a run: the words' places in their lists, the flags, the seed's low byte.
  const auto choice = [](const char* faction, const char* size, const char* weight, char flags) {
    const auto at = [](const auto& list, const char* word) {
      return static_cast<char>(std::find_if(list.begin(), list.end(),
                                            [&](const char* w) { return std::string(w) == word; }) -
                               list.begin());
    };
    return std::string{at(kFactionChoices, faction),
                       at(kSizeChoices, size),
                       at(kWeightChoices, weight),
                       4,
                       flags,
                       7,
                       0,
                       0,
                       0};
  };
  const std::string choices[] = {
      choice("Random", "Random", "Random", 1),  // vehicles
      choice("Kurita", "Company", "Heavy", 0),
      choice("Wolf", "Galaxy", "Random", 2),  // each design once
  };
  for (const auto& [name, bytes] : quirkyTableFiles())
    for (const std::string& choice : choices) inputs.emplace_back(name, choice + bytes);
  for (const auto& [name, input] : inputs) {
    EXPECT_EQ(readingProblem(input), "") << name;
    EXPECT_EQ(generationAndOddsProblem(input), "") << name;
  }
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
