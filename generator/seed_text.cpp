// SPDX-License-Identifier: MIT
#include "generator/seed_text.h"

#include <charconv>
#include <random>
#include <string>

std::optional<std::uint32_t> readSeed(std::string_view text) {
  constexpr std::string_view kWhiteSpace = " \t\r\n";
  const std::size_t first = text.find_first_not_of(kWhiteSpace);
  if (first == std::string_view::npos) return std::nullopt;
  const std::string_view digits =
      text.substr(first, text.find_last_not_of(kWhiteSpace) - first + 1);
  std::uint32_t seed = 0;
  const char* end = digits.data() + digits.size();
  const auto [stop, error] = std::from_chars(digits.data(), end, seed);
  if (error != std::errc() || stop != end)
    throw SeedError("The seed is a whole number from 0 to 4294967295; \"" + std::string(text) +
                    "\" is not one.");
  return seed;
}

std::uint32_t seedOrFresh(std::string_view text) {
  const std::optional<std::uint32_t> seed = readSeed(text);
  return seed ? *seed : std::random_device{}();
}
