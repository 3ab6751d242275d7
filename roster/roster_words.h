// SPDX-License-Identifier: MIT
// The words a front end shows beside a listed force that are not the listing itself: an open
// slot's words in place of a design, what a re-roll did, and what the seed box makes of every
// Generate. Every front end takes them from here, so the window and the page say the same.
#ifndef MUSTERWRIGHT_ROSTER_ROSTER_WORDS_H
#define MUSTERWRIGHT_ROSTER_ROSTER_WORDS_H

#include <string>
#include <string_view>

#include "generator/force.h"
#include "roster/reroll_request.h"

// What an open slot shows in place of its design, as its listing line has it without the
// brackets: "open: no Heavy design left".
std::string openSlotWords(const Mech& slot);

// Whether every slot of group `group` (from 1) holds the same design, weight class, kind and
// skills in `after` as in `before`, two forces of the same groups and group size.
bool sameGroup(const Force& before, const Force& after, int group);

// Whether every slot that `kind` at `at` drew again holds the same design, weight class, kind
// and skills in `after` (the re-rolled force) as in `before`. `at` lies within both forces.
bool rerollKeptAll(const Force& before, const Force& after, RerollKind kind, Reroll at);

// What `kind` at `at` did to `before`, giving `after` (the same force re-rolled so): "Slot 2.3
// rolled again.", "Lance 2 rolled again.", "Every star but star 2 rolled again."; when every
// slot it drew again holds the same design, weight class and skills as before, the same words
// end in ": the same" ("Slot 2.3 rolled again: the same").
std::string rerollOutcome(const Force& before, const Force& after, RerollKind kind, Reroll at);

// What the seed box's `text` makes of Generate: "" when it holds no seed (each Generate draws
// a fresh one), "Every Generate uses seed 42 while it stays in the Seed box." for a seed, and
// the seed's own error (SeedError, generator/seed_text.h) for text that is no seed. Never throws.
std::string seedBoxNotice(std::string_view text);

// `message`, an engine's message, as a message box shows it: every line that opens with a word
// in lower case ("no force within ...") opens with its capital, so that a box reads as
// sentences; a line that opens with a file's name ("designs.csv, line 2: ...", "mine: ...",
// "mine, line 2: ...") keeps its spelling, and nothing else changes. The engine's texts, and
// what the command line prints, stay as they are: front ends call this as they show one.
std::string boxMessage(std::string_view message);

#endif
