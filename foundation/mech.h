// SPDX-License-Identifier: MIT
// One slot of the roster: the design placed in it, the slot's weight class, its crew's
// piloting and gunnery skills, and what kind of unit fills it. A new record has empty
// strings, both skills '-' (not yet rolled), `mark` clear and the kind `mech`; copies are
// member-wise and deep.
#ifndef MUSTERWRIGHT_FOUNDATION_MECH_H
#define MUSTERWRIGHT_FOUNDATION_MECH_H

#include "foundation/apstring.h"

// What fills a slot: a design of the faction's tables, a vehicle of the vehicle section, the
// battle armour of a battle-armour group, or nothing: an open slot, whose table had no design
// with a copy left (its name empty, its skills not rolled).
enum class SlotKind : unsigned char { mech, vehicle, battleArmour, open };

struct Mech {
  apstring name;                   // the design (or unit) name
  apstring weightClass;            // "Light", "Medium", "Heavy" or "Assault"
  char piloting = '-';             // a digit '1' to '7' once rolled
  char gunnery = '-';              // a digit '1' to '7' once rolled
  bool mark = false;               // a Clan Green crew with `mark` set rolls at -2 instead of +2
  SlotKind kind = SlotKind::mech;  // set with the name by every fill of the slot
  bool openVehicle = false;        // an open slot: the vehicle table, not the faction's, ran out
};

#endif
