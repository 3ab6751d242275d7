// SPDX-License-Identifier: MIT
// Times whole Generate runs of a Clan Galaxy with vehicles on the shipped Tables.dat and prints
// "galaxy: <ms> ms per run". The same source runs natively and as WebAssembly under node, so
// scripts/web-bench.sh can set the two side by side.
#include <chrono>
#include <cstdio>

#include "generator/generate.h"

int main() {
  constexpr int kRuns = 2000;
  const TableText tables = readTableText(SHIPPED_TABLES);
  const Selection selection{"Smoke Jaguar", "Galaxy", "Random", "Random", true};
  Force force = generateForce(tables, selection, 0);
  const auto start = std::chrono::steady_clock::now();
  for (int run = 1; run <= kRuns; ++run)
    force = generateForce(tables, selection, static_cast<std::uint32_t>(run));
  const std::chrono::duration<double, std::milli> elapsed =
      std::chrono::steady_clock::now() - start;
  std::printf("galaxy: %.4f ms per run\n", elapsed.count() / kRuns);
  return force.roster.length() == 240 ? 0 : 1;
}
