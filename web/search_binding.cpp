// SPDX-License-Identifier: MIT
// The page's budget searches, made by a second engine in a Web Worker so that a rare band never
// holds the page: the page's model is told to leave its searches (leaveSearches); a draw that
// needs one answers {searchElsewhere}; the page hands the worker's engine what the model holds
// (searchState, taken there by takeSearchState) and the draw, the worker's model makes it, and
// what it found (searchesFound) goes back to the page's model (keepSearches), which then draws
// that very try itself, so every force and every byte still comes from the page's own model.
// None of these throws into the page.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "generator/table_text.h"
#include "roster/budget_searches.h"
#include "roster/force_model.h"
#include "web/page_engine.h"
#include "web/page_tables.h"
#include "web/page_values.h"

namespace {

using emscripten::val;

std::string text(const val& object, const char* name) {
  const val value = object[name];
  return value.isString() ? value.as<std::string>() : std::string();
}

// A file as the state carries it, {bytes, name}, or null for none.
val fileValue(const std::string& bytes, const std::string& name) {
  val file = val::object();
  file.set("bytes", bytesValue(bytes));
  file.set("name", name);
  return file;
}

// The user's file in use, `bytes` named `name`, as fileValue gives it; null for none (the shipped
// one in use).
val chosenFileValue(const std::string& bytes, const std::string& name) {
  return name.empty() ? val::null() : fileValue(bytes, name);
}

// The bytes of a file as fileValue gives it (a Uint8Array, which embind reads as a string).
std::string bytesOf(const val& file) {
  return file["bytes"].as<std::string>();
}

// The force shown as redrawRecord (binding.cpp) takes it back.
val recordValue(const ForceRecord& record) {
  val shown = val::object();
  shown.set("house", record.choices.house);
  shown.set("size", record.choices.size);
  shown.set("weight", record.choices.weight);
  shown.set("experience", record.choices.experience);
  shown.set("vehicles", record.choices.withVehicles);
  shown.set("unique", record.choices.unique);
  shown.set("seed", record.seed);
  shown.set("rerolls", record.rerolls);
  shown.set("tables", record.tablesChecksum);
  shown.set("collection", record.collectionIdentity);
  shown.set("points", record.budget.points);
  shown.set("tons", record.budget.tons);
  shown.set("skillPoints", record.budget.skillPoints);
  shown.set("designs", record.designsIdentity);
  shown.set("designsName", record.designsName);
  return shown;
}

// The page's model no longer makes a budget search itself: a draw that needs one answers
// {searchElsewhere}. With `here`, it makes them itself again (a browser without workers).
void searchHere(bool here) {
  pageModel().budgetSearches().searchHere = here;
}

// What the model knows of the searches made so far: [{key, attempt (a number, or null for none
// within the band), refusal}], oldest first.
val searchesFound() {
  val found = val::array();
  for (const auto& [key, outcome] : pageModel().budgetSearches().all()) {
    val entry = val::object();
    entry.set("key", key);
    entry.set("attempt", outcome.attempt ? val(*outcome.attempt) : val::null());
    entry.set("refusal", outcome.refusal);
    found.call<void>("push", entry);
  }
  return found;
}

// Keeps `found`, searchesFound() of another engine, in the page's model.
void keepSearches(const val& found) {
  const auto count = found["length"].as<unsigned>();
  for (unsigned k = 0; k < count; ++k) {
    const val entry = found[k];
    const val attempt = entry["attempt"];
    pageModel().budgetSearches().keep(
        text(entry, "key"),
        {attempt.isNumber() ? std::optional<int>(attempt.as<int>()) : std::nullopt,
         text(entry, "refusal")});
  }
}

// What a draw's search depends on in the page's model: {tables: {bytes, name}, designs: the
// user's design list {bytes, name}, or null for the shipped one, skills: the user's skill table
// {bytes, name}, or null for the shipped one, collection: the collection
// held {bytes, name}, or null, drawOwned and unique (the two boxes), shown: the force shown as
// redrawRecord takes it, or null, searches: searchesFound()}.
val searchState() {
  ForceModel& model = pageModel();
  val state = val::object();
  const std::shared_ptr<const TableText> tables = model.tables();
  state.set("tables", tables ? fileValue(tables->bytes, tables->name.string()) : val::null());
  state.set("designs", chosenFileValue(chosenDesignBytes(), chosenDesignFileName()));
  state.set("skills", chosenFileValue(chosenSkillBytes(), chosenSkillFileName()));
  const auto collection = model.heldCollectionBytes();
  state.set("collection",
            collection ? fileValue(collection->first, collection->second) : val::null());
  state.set("drawOwned", model.drawsFromCollection());
  state.set("unique", model.drawsEachDesignOnce());
  const std::optional<ForceRecord> shown = model.shownRecord();
  state.set("shown", shown ? recordValue(*shown) : val::null());
  state.set("searches", searchesFound());
  return state;
}

// Makes the user's file that `file` (chosenFileValue) names the one in use through `use`, or
// drops the user's through `forget` for null; a file the same as the one in use is not read again.
template <class Read>
void takeChosenFile(const val& file, const std::string& bytesInUse, const std::string& nameInUse,
                    Read (*use)(const std::string&, const std::string&), void (*forget)()) {
  if (file.isNull()) {
    if (!nameInUse.empty()) forget();
  } else if (std::string bytes = bytesOf(file);
             bytesInUse != bytes || nameInUse != text(file, "name")) {
    static_cast<void>(use(bytes, text(file, "name")));
  }
}

// Puts the search worker's model in `state` (searchState() of the page's): the same table file,
// design list, skill table, collection and boxes, and the searches known. Files the same as those
// in use are not read again. Returns "" or why the state could not be taken.
std::string takeSearchState(const val& state) {
  try {
    ForceModel& model = pageModel();
    const val tables = state["tables"];
    if (!tables.isNull()) {
      std::string bytes = bytesOf(tables);
      if (!model.tables() || model.tables()->bytes != bytes)
        static_cast<void>(useChosenTables(bytes, text(tables, "name")));
    }
    takeChosenFile(state["designs"], chosenDesignBytes(), chosenDesignFileName(), useChosenDesigns,
                   forgetChosenDesigns);
    takeChosenFile(state["skills"], chosenSkillBytes(), chosenSkillFileName(), useChosenSkills,
                   forgetChosenSkills);
    const val collection = state["collection"];
    if (collection.isNull()) {
      model.forgetCollection();
    } else if (std::pair held{bytesOf(collection), text(collection, "name")};
               model.heldCollectionBytes() != held) {
      static_cast<void>(model.holdCollection(held.first, held.second));
    }
    model.setCollectionChoice(state["drawOwned"].isTrue(), state["unique"].isTrue());
    keepSearches(state["searches"]);
  } catch (const std::exception& error) {
    return error.what();
  }
  return "";
}

}  // namespace

EMSCRIPTEN_BINDINGS(musterwright_search) {
  emscripten::function("searchHere", &searchHere);
  emscripten::function("searchesFound", &searchesFound);
  emscripten::function("keepSearches", &keepSearches);
  emscripten::function("searchState", &searchState);
  emscripten::function("takeSearchState", &takeSearchState);
}
