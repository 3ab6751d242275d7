// SPDX-License-Identifier: MIT
// The page's table files: the shipped one, which the page's build puts at /shipped/Tables.dat
// in the module's in-memory file system, and a file the user chooses, handed over as its bytes
// and named by its own name, so that every message names it as the user knows it. The page's
// model (page_engine.h) draws from one of them at a time. Beside the shipped file lies the
// shipped design list, /shipped/Designs.csv, read here and handed to the model as its bytes for
// either table file, so that nothing depends on a working folder; the model takes the tons and
// points from it. A design list the user imports is handed over the same way and is the model's
// design list in use until dropped. The shipped skill table, /shipped/Skills.csv, and one the
// user imports go the same way.
#ifndef MUSTERWRIGHT_WEB_PAGE_TABLES_H
#define MUSTERWRIGHT_WEB_PAGE_TABLES_H

#include <memory>
#include <string>
#include <vector>

#include "generator/table_text.h"
#include "roster/design_source.h"
#include "roster/skill_source.h"
#include "tables/design_list.h"
#include "tables/skill_table.h"

// The page's start reads the shipped files in steps, each in a task of its own so that none
// holds the page long: shippedTables, then foundDesigns, then a table file put in use, which
// reads neither again.

// The shipped table file, read at its first use and kept, named "Tables.dat" in messages.
// Throws TableError as readTableText does, at every use, when it cannot be read.
const TableText& shippedTables();

// The shipped design list, read at its first use once it is in place and kept: the list found
// beside either of the page's table files. None found while it is not in place: the page was
// built without it, or a site's loader puts it in place after the start.
std::shared_ptr<const FoundDesignList> foundDesigns();
// Its bytes; "" while none was found.
const std::string& shippedDesignBytes();

// The shipped skill table, read at its first use once it is in place and kept, as foundDesigns
// is.
std::shared_ptr<const FoundSkillTable> foundSkills();

// Hands the shipped design list and skill table, put in place since the start, to the model with
// the table file in use, so that the draws that follow take their tons, points and points with
// crew skill from them.
void shippedFilesArrived();

// Makes `bytes`, the content of the user's file `name`, the table file in use when the engine
// can read it, quirks included; returns its tableWarning (tables/table_check.h), none for a
// sound file. Throws TableError, the table file in use staying, for a file the engine cannot
// read (empty, not text, too large).
std::vector<std::string> useChosenTables(const std::string& bytes, const std::string& name);

// Makes the shipped table file the one in use. Throws TableError when it cannot be read.
void useShippedTables();

// Makes `bytes`, tables laid out from a design list and named `name`, the table file in use, as
// useChosenTables does, with `base`, the table file they were laid out over, recorded beside
// them (ForceModel::useTables), so that the next layout is made over it; a null base makes them
// their own base, as useChosenTables does.
std::vector<std::string> useMadeTables(const std::string& bytes, const std::string& name,
                                       std::shared_ptr<const TableText> base);

// Whether `tables` holds the shipped table file's bytes.
bool isShippedTables(const TableText& tables);

// Makes `bytes`, the content of the user's design list `name`, the model's design list in use,
// read against the names of the table file in use (warning of rows no table holds). Returns its
// notices and warnings. Throws DesignListError, the list in use staying, for a refused list.
DesignListRead useChosenDesigns(const std::string& bytes, const std::string& name);

// Drops the user's design list: the list found beside the table file, if any, is in use again.
void forgetChosenDesigns();

// The bytes and file name of the user's design list; both "" while none is in use.
const std::string& chosenDesignBytes();
const std::string& chosenDesignFileName();

// Makes `bytes`, the content of the user's skill table `name`, the model's skill table in use.
// Returns its warnings. Throws SkillTableError, the table in use staying, for a refused table.
SkillTableRead useChosenSkills(const std::string& bytes, const std::string& name);

// Drops the user's skill table: the shipped one, if any, is in use again.
void forgetChosenSkills();

// The bytes and file name of the user's skill table; both "" while none is in use.
const std::string& chosenSkillBytes();
const std::string& chosenSkillFileName();

#endif
