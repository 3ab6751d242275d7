// SPDX-License-Identifier: MIT
// The command line of musterwright-cli: what one run is asked to do. Parsing touches no file
// and prints nothing; a command line that cannot be run comes back as a UsageError whose
// message names the option and the bad word and, for a word in no list, lists the valid ones.
#ifndef MUSTERWRIGHT_CLI_OPTIONS_H
#define MUSTERWRIGHT_CLI_OPTIONS_H

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "generator/balance_band.h"
#include "generator/budget_band.h"
#include "generator/choices.h"
#include "generator/reroll_list.h"

enum class Mode { generate, odds, checkTables, fitTables, makeTables, help, version };

// How the force is written: the listing, one CSV row per slot, or one JSON object.
enum class Format { text, csv, json };

// One run: a force, or with --odds its exact odds. The four choice words are words of their
// lists in the lists' own spelling, "Random" when not given. `tables` is the table file of
// --tables,
// --check-tables or --fit-tables, when named; `out` is never "-". `rerolls` are those of
// --reroll, in order, a range of groups as written (expandRerolls spells it out for the force).
struct CliOptions {
  Mode mode = Mode::generate;
  Selection choices{"Random", "Random", "Random", "Random"};
  std::optional<std::uint32_t> seed;
  std::vector<RerollItem> rerolls;
  std::optional<std::string> tables;
  std::optional<std::string> out;
  Format format = Format::text;
  // The collection file of --collection; the run reads it into `choices.collection`. --unique
  // sets `choices.unique`.
  std::optional<std::string> collection;
  // The design list of --designs ("none" for none); without it the list found beside the table
  // file (locateDesignList). With --make-tables, the list its tables are laid out from. --totals
  // adds the totals line under a text listing.
  std::optional<std::string> designs;
  bool totals = false;
  // The skill table of --skills ("none" for none); without it the table found beside the table
  // file (locateSkillTable).
  std::optional<std::string> skills;
  // The band of --points, --tons and --skill-points (readBand): the force, or with --odds the
  // band's figures.
  BudgetBand budget;
  // The opposing force of --opponent and every --opponent-… option, --balance-by, --handicap and
  // --tolerance; none without them. Its collection file is `opponentCollection`, which the run
  // reads into `opponent->choices.collection`.
  std::optional<OpponentRequest> opponent;
  std::optional<std::string> opponentCollection;
};

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads the arguments after the program name. Choice words are read as choiceWord
// (generator/choice_words.h) reads them: in any letter case, "Battalion" and "Regiment" too. A
// seed is read by readSeed (generator/seed_text.h). A later option overrides an earlier one. An
// option's value is the next argument, or follows "=" in the same one ("--seed=7"). -h, --help and
// --version win over everything else on the line except a word that an option refuses.
CliOptions parseArguments(const std::vector<std::string>& args);

// The synopsis, shown with every usage error.
std::string usageSynopsis();

// The full --help text: the synopsis, every option and the words of every list.
std::string helpText();

#endif
