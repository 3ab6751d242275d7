// SPDX-License-Identifier: MIT
#include "tables/table_identity.h"

#include <cstdint>
#include <cstdio>

std::string tableChecksum(std::string_view bytes) {
  constexpr std::uint64_t kOffsetBasis = 0xcbf29ce484222325u;
  constexpr std::uint64_t kPrime = 0x100000001b3u;
  std::uint64_t hash = kOffsetBasis;
  for (const char byte : bytes) {
    hash ^= static_cast<unsigned char>(byte);
    hash *= kPrime;
  }
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
  return hex;
}

std::string tableChangeNotice(const TableIdentity& drawnFrom, const TableIdentity& inUse) {
  if (drawnFrom.checksum == inUse.checksum) return "";
  return "This force was drawn from " + drawnFrom.name + " (checksum " + drawnFrom.checksum +
         "), and the table file in use is " + inUse.name + " (checksum " + inUse.checksum +
         "): the force may differ.";
}
