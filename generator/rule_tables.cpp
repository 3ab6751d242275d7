#include "generator/rule_tables.h"

#include "tables/table_layout.h"

// clang-format off
const HouseRow kHouses[10] = {
  { 1,  1, kFactionHeadings[0], false },  // Kurita
  { 2,  2, kFactionHeadings[1], false },  // Liao
  { 3,  3, kFactionHeadings[2], false },  // Marik
  { 4,  4, kFactionHeadings[3], false },  // Davion
  { 5,  5, kFactionHeadings[4], false },  // Steiner
  { 6,  6, kFactionHeadings[5], false },  // ComStar
  { 7,  7, kFactionHeadings[6], true  },  // Jade Falcon
  { 8,  8, kFactionHeadings[7], true  },  // Wolf
  { 9,  9, kFactionHeadings[8], true  },  // Ghost Bear
  {10, 10, kFactionHeadings[9], true  },  // Smoke Jaguar
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
