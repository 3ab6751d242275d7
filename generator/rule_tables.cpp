#include "generator/rule_tables.h"

// clang-format off
const HouseRow kHouses[10] = {
  { 1,  1, "Kurita",       false },
  { 2,  2, "Liao",         false },
  { 3,  3, "Marik",        false },
  { 4,  4, "Davion",       false },
  { 5,  5, "Steiner",      false },
  { 6,  6, "ComStar",      false },
  { 7,  7, "Jade Falcon",  true  },
  { 8,  8, "Wolf",         true  },
  { 9,  9, "Ghost Bear",   true  },
  {10, 10, "Smoke Jaguar", true  },
};

const SizeWord kSizeWords[9] = {
  {"Lance",      1},
  {"Star",       1},
  {"Binary",     2},
  {"Company",    3},
  {"Trinary",    3},
  {"Batallion",  9},
  {"Cluster",   12},
  {"Regement",  27},
  {"Galaxy",    48},
};

const SizeRow kHouseSizes[4] = {
  {1, 1, "Lance",      1},
  {2, 2, "Company",    3},
  {3, 3, "Batallion",  9},
  {4, 4, "Regement",  27},
};

const SizeRow kClanSizes[5] = {
  {1, 1, "Star",     1},
  {2, 2, "Binary",   2},
  {3, 3, "Trinary",  3},
  {4, 4, "Cluster", 12},
  {5, 5, "Galaxy",  48},
};

const WeightRow kWeights[5] = {
  { 2,  2, "Battle Armor", "Elemental"},
  { 3,  6, "Light",        "Light"    },
  { 7,  8, "Medium",       "Medium"   },
  { 9, 10, "Heavy",        "Heavy"    },
  {11, 12, "Assault",      "Assault"  },
};

const WordRow kExperiences[4] = {
  { 2,  5, "Green"  },
  { 6,  9, "Regular"},
  {10, 11, "Veteran"},
  {12, 12, "Elite"  },
};
// clang-format on
