// One slot of the roster: the design placed in it, the slot's weight class and its crew's
// piloting and gunnery skills. A new record has empty strings, both skills '-' (not yet
// rolled) and `mark` clear; copies are member-wise and deep.
#ifndef MUSTERWRIGHT_FOUNDATION_MECH_H
#define MUSTERWRIGHT_FOUNDATION_MECH_H

#include "foundation/apstring.h"

struct Mech {
  apstring name;         // the design (or unit) name
  apstring weightClass;  // "Light", "Medium", "Heavy" or "Assault"
  char piloting = '-';   // a digit '1' to '7' once rolled
  char gunnery = '-';    // a digit '1' to '7' once rolled
  bool mark = false;     // a Clan Green crew with `mark` set rolls at -2 instead of +2
};

#endif
