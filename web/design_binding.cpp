// SPDX-License-Identifier: MIT
// The page's design list and the tables laid out from it: importing a list of one's own (the page
// keeps its bytes in browser storage and hands them over here), dropping it for the list found
// beside the table file, the bytes to export, and the table file laid out from the list in use
// over the base of the table file in use, with its report, and put in use with that base; and
// the skill table, imported or dropped for the shipped one the same way. Every check, message and
// byte is the engine's; none throws into the page.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <exception>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "roster/listing.h"
#include "roster/made_tables.h"
#include "roster/made_tables_data.h"
#include "web/page_engine.h"
#include "web/page_tables.h"
#include "web/page_values.h"

namespace {

using emscripten::val;

// The lines of `message`, blank ones left out.
val linesOf(const std::string& message) {
  val lines = val::array();
  for (std::size_t start = 0; start <= message.size();) {
    const std::size_t end = std::min(message.find('\n', start), message.size());
    if (end > start) lines.call<void>("push", message.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

// The file name the page gives the design list in use: the user's own, else the found list's.
std::string listFileName(const DesignList& list) {
  return chosenDesignFileName().empty() ? list.name + ".csv" : chosenDesignFileName();
}

// A file in use, `file` (a design list or a skill table; null for none), as the page shows it:
// {name (`name`, "" for none), identity, shortIdentity, `count` (`rows`), chosen, notice}.
template <class File>
val fileInUse(const std::shared_ptr<const File>& file, const std::string& name, const char* count,
              std::size_t rows, bool chosen, const std::string& notice) {
  val result = val::object();
  result.set("name", file ? name : std::string());
  result.set("identity", file ? file->identity : std::string());
  result.set("shortIdentity", file ? shortIdentity(file->identity) : std::string());
  result.set(count, file ? static_cast<double>(rows) : 0.0);
  result.set("chosen", chosen);
  result.set("notice", notice);
  return result;
}

// What `use` returns, or {errors: every problem, one a line} when it throws.
template <class Use>
val orErrors(Use use) {
  try {
    return use();
  } catch (const std::exception& error) {
    val result = val::object();
    result.set("errors", linesOf(error.what()));
    return result;
  }
}

// The design list in use: {name (its file name, "" for none), identity, shortIdentity (the
// leading digits a caption shows, shortIdentity), designs (how many rows it has), chosen (whether
// it is the user's), notice (why a list found beside the table file is not used, "" when it is or
// none was found)}.
val designListInUse() {
  const std::shared_ptr<const DesignList> list = pageModel().designs();
  return fileInUse(list, list ? listFileName(*list) : "", "designs",
                   list ? list->designs.size() : 0, !chosenDesignFileName().empty(),
                   pageModel().designListNotice());
}

// Makes `bytes`, the user's design list `name`, the list in use when it reads:
// designListInUse() with notices and warnings (each naming its line); or {errors: every
// problem, one a line}, the list in use staying.
val useDesignList(const std::string& bytes, const std::string& name) {
  return orErrors([&] {
    const DesignListRead read = useChosenDesigns(bytes, name);
    val result = designListInUse();
    result.set("notices", arrayOf(read.notices));
    result.set("warnings", arrayOf(read.warnings));
    return result;
  });
}

// Drops the user's design list; designListInUse() after.
val forgetDesignList() {
  forgetChosenDesigns();
  return designListInUse();
}

// The bytes of the user's design list, as a Uint8Array, for its export.
val chosenListBytes() {
  return bytesValue(chosenDesignBytes());
}

// The table file `tables` as the page keeps it to lay tables out over again on a later visit:
// {name, shipped (whether it is the shipped file, whose bytes are not kept), bytes (a Uint8Array,
// empty for the shipped file)}.
val keptBase(const TableText& tables) {
  val base = val::object();
  const bool shipped = isShippedTables(tables);
  base.set("name", tables.name.filename().string());
  base.set("shipped", shipped);
  base.set("bytes", bytesValue(shipped ? std::string() : tables.bytes));
  return base;
}

// The report of tables laid out as the page lays it out: {opening, columns (the column names),
// tables: [{heading, rows: [[cell, ...]], leftOut: [line, ...]}], closing}.
val reportValue(const MadeTablesReport& report) {
  val tables = val::array();
  for (const MadeTablesReport::Table& table : report.tables) {
    val rows = val::array();
    for (const auto& row : table.rows) rows.call<void>("push", arrayOf(row));
    val shown = val::object();
    shown.set("heading", table.heading);
    shown.set("rows", rows);
    shown.set("leftOut", arrayOf(table.leftOut));
    tables.call<void>("push", shown);
  }
  val result = val::object();
  result.set("opening", report.opening);
  result.set("columns", arrayOf(kMadeTablesColumns));
  result.set("tables", tables);
  result.set("closing", report.closing);
  return result;
}

// Lays out tables from the design list in use over the base of the table file in use
// (ForceModel::tablesBase), as every front end does (roster/made_tables.h): {name (the file's one
// name), bytes (a Uint8Array), report (reportValue), notices (the list's notices and warnings),
// base (keptBase of the base)}; or {errors: every problem, one a line, then what was not laid
// out}, before any table is laid out, for a list that cannot be.
val layOutTablesInUse() {
  val result = val::object();
  try {
    const std::shared_ptr<const TableText> base = pageModel().tablesBase();
    if (!base) throw std::runtime_error("No table file is in use to lay the tables out over.");
    const std::shared_ptr<const DesignList> list = pageModel().designs();
    if (!list) throw std::runtime_error(noDesignListToLayOutText());
    const std::string listName = listFileName(*list);
    const std::string baseName = base->name.filename().string();
    const std::string& listBytes =
        chosenDesignFileName().empty() ? shippedDesignBytes() : chosenDesignBytes();
    const MadeTables made = layOutTables(listBytes, listName, base->bytes, baseName);
    if (!made.made()) {
      val problems = arrayOf(made.problems);
      problems.call<void>("push", notLaidOutText(listName));
      result.set("errors", problems);
      return result;
    }
    val notices = arrayOf(made.notices);
    for (const std::string& warning : made.warnings) notices.call<void>("push", warning);
    result.set("name", made.fileName);
    result.set("bytes", bytesValue(made.making.bytes));
    result.set("report", reportValue(made.report));
    result.set("notices", notices);
    result.set("base", keptBase(*base));
  } catch (const std::exception& error) {
    result.set("errors", linesOf(error.what()));
  }
  return result;
}

// Makes `bytes`, tables laid out and named `name`, the table file in use, laid out over `base`
// (as keptBase gives it): {warning: their tableWarning lines, none for a sound file}; or {error:
// the reason} when they or their base cannot be read, the table file in use staying.
val useMadeTablesFile(const std::string& bytes, const std::string& name, const val& base) {
  val result = val::object();
  try {
    const std::string baseName = base["name"].as<std::string>();
    const std::shared_ptr<const TableText> laidOver =
        base["shipped"].as<bool>() ? std::make_shared<const TableText>(shippedTables())
                                   : std::make_shared<const TableText>(
                                         tableTextOf(base["bytes"].as<std::string>(), baseName));
    result.set("warning", arrayOf(useMadeTables(bytes, name, laidOver)));
  } catch (const std::exception& error) {
    result.set("error", std::string(error.what()));
  }
  return result;
}

// The skill table in use: {name (its file name, "" for none), identity, shortIdentity, crews
// (how many rows it has), chosen (whether it is the user's), notice (why the shipped table is
// not used, "" when it is or none was found)}.
val skillTableInUse() {
  const std::shared_ptr<const SkillTable> table = pageModel().skills();
  const std::string& chosen = chosenSkillFileName();
  return fileInUse(table, !table || chosen.empty() ? (table ? table->name + ".csv" : "") : chosen,
                   "crews", table ? table->percents.size() : 0, !chosen.empty(),
                   pageModel().skillTableNotice());
}

// Makes `bytes`, the user's skill table `name`, the table in use when it reads:
// skillTableInUse() with warnings (each naming its line); or {errors: every problem, one a
// line}, the table in use staying.
val useSkillTable(const std::string& bytes, const std::string& name) {
  return orErrors([&] {
    const SkillTableRead read = useChosenSkills(bytes, name);
    val result = skillTableInUse();
    result.set("warnings", arrayOf(read.warnings));
    return result;
  });
}

// Drops the user's skill table; skillTableInUse() after.
val forgetSkillTable() {
  forgetChosenSkills();
  return skillTableInUse();
}

}  // namespace

EMSCRIPTEN_BINDINGS(musterwright_designs) {
  emscripten::function("skillTableInUse", &skillTableInUse);
  emscripten::function("useSkillTable", &useSkillTable);
  emscripten::function("forgetSkillTable", &forgetSkillTable);
  emscripten::function("designListInUse", &designListInUse);
  emscripten::function("useDesignList", &useDesignList);
  emscripten::function("forgetDesignList", &forgetDesignList);
  emscripten::function("designListBytes", &chosenListBytes);
  emscripten::function("layOutTables", &layOutTablesInUse);
  emscripten::function("useMadeTables", &useMadeTablesFile);
}
