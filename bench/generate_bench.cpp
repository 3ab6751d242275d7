// Generation speed on the shipped Tables.dat: one whole Generate run per iteration.
#include <benchmark/benchmark.h>

#include "generator/generate.h"

namespace {

void generate(benchmark::State& state, const char* faction, const char* size) {
  openTableFile(SHIPPED_TABLES);
  const Selection selection{faction, size, "Random", "Random", state.range(0) != 0};
  std::uint32_t seed = 1;
  for (auto _ : state) {
    generateForce(selection, seed++);
    benchmark::DoNotOptimize(roster.length());
  }
  state.counters["slots"] = roster.length();
}

BENCHMARK_CAPTURE(generate, Lance, "Kurita", "Lance")->Arg(0)->Arg(1);
BENCHMARK_CAPTURE(generate, Company, "Davion", "Company")->Arg(0)->Arg(1);
BENCHMARK_CAPTURE(generate, Galaxy, "Smoke Jaguar", "Galaxy")->Arg(0)->Arg(1);

}  // namespace

BENCHMARK_MAIN();
