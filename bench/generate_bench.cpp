// SPDX-License-Identifier: MIT
// Generation speed on the shipped Tables.dat: one whole Generate run per iteration, and one
// re-roll of a group or a slot of a Galaxy; runs drawing from a collection that owns 2 copies
// of every design of the file (the copies of a Galaxy run out, leaving open slots); and the
// same runs reading the file through the stream searches the index replaced, the ratio of the
// two being what counts on a busy machine. Also what a front end does once to put the shipped
// files in use: make the table text (its index and walk), check the file, read the design list.
#include <benchmark/benchmark.h>

#include "generator/generate.h"
#include "generator/reroll_list.h"
#include "support/stream_search.h"
#include "tables/design_list.h"
#include "tables/table_check.h"
#include "tables/table_file.h"
#include "tables/table_names.h"

namespace {

void generate(benchmark::State& state, const char* faction, const char* size) {
  const TableText tables = readTableText(SHIPPED_TABLES);
  const Selection selection{faction, size, "Random", "Random", state.range(0) != 0};
  std::uint32_t seed = 1;
  int slots = 0;
  for (auto _ : state) {
    const Force force = generateForce(tables, selection, seed++);
    slots = force.roster.length();
    benchmark::DoNotOptimize(slots);
  }
  state.counters["slots"] = slots;
}

Selection ownedSelection(const TableText& tables, const char* faction, const char* size,
                         bool vehicles) {
  Selection selection{faction, size, "Random", "Random", vehicles};
  selection.collection = Collection{"all", "", {}};
  for (const std::string& name : tableDesignNames(tables.bytes, "Tables.dat"))
    selection.collection->copies[foldedName(name)] = 2;
  return selection;
}

void generateOwned(benchmark::State& state, const char* faction, const char* size) {
  const TableText tables = readTableText(SHIPPED_TABLES);
  const Selection selection = ownedSelection(tables, faction, size, state.range(0) != 0);
  std::uint32_t seed = 1;
  for (auto _ : state) {
    const Force force = generateForce(tables, selection, seed++);
    benchmark::DoNotOptimize(force.roster.length());
  }
}

// The same runs through the stream searches; arg 1 of the second draws from the collection.
void generateStreamed(benchmark::State& state, const char* faction, const char* size) {
  const TableText tables = readTableText(SHIPPED_TABLES);
  const Selection selection = state.range(0) != 0
                                  ? ownedSelection(tables, faction, size, true)
                                  : Selection{faction, size, "Random", "Random", true};
  std::uint32_t seed = 1;
  for (auto _ : state) {
    StreamSearches reading(tables.bytes, "Tables.dat");
    const Force force = generateForce(reading, selection, seed++);
    benchmark::DoNotOptimize(force.roster.length());
  }
}

// Arg 0 re-rolls group 24 of the Galaxy, arg 1 slot 24.3; each re-roll goes on from the last,
// the force's list of re-rolls begun again when it is full.
void reroll(benchmark::State& state) {
  const TableText tables = readTableText(SHIPPED_TABLES);
  Force force = generateForce(tables, Selection{"Wolf", "Galaxy", "Random", "Regular", true}, 1);
  const Reroll which{24, static_cast<int>(state.range(0)) * 3};
  for (auto _ : state) {
    if (force.rerolls.size() == kMostRerolls) force.rerolls.clear();
    rerollForce(force, tables, which);
    benchmark::DoNotOptimize(force.roster[115].name.length());
  }
}

void makeTableText(benchmark::State& state) {
  const std::string bytes = readTableFile(SHIPPED_TABLES);
  for (auto _ : state) benchmark::DoNotOptimize(TableText(bytes, "Tables.dat").reachable);
}

void checkTables(benchmark::State& state) {
  const std::string bytes = readTableFile(SHIPPED_TABLES);
  for (auto _ : state) benchmark::DoNotOptimize(tableWarning(bytes, "Tables.dat"));
}

void readDesigns(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(readDesignListFile(SHIPPED_DESIGNS, {}, UnknownNames::quiet));
}

BENCHMARK_CAPTURE(generate, Lance, "Kurita", "Lance")->Arg(0)->Arg(1);
BENCHMARK_CAPTURE(generate, Company, "Davion", "Company")->Arg(0)->Arg(1);
BENCHMARK_CAPTURE(generate, Galaxy, "Smoke Jaguar", "Galaxy")->Arg(0)->Arg(1);
BENCHMARK_CAPTURE(generateOwned, Company, "Davion", "Company")->Arg(0)->Arg(1);
BENCHMARK_CAPTURE(generateOwned, Galaxy, "Smoke Jaguar", "Galaxy")->Arg(0)->Arg(1);
BENCHMARK_CAPTURE(generateStreamed, Galaxy, "Smoke Jaguar", "Galaxy")->Arg(0)->Arg(1);
BENCHMARK(reroll)->Arg(0)->Arg(1);
BENCHMARK(makeTableText);
BENCHMARK(checkTables);
BENCHMARK(readDesigns);

}  // namespace

BENCHMARK_MAIN();
