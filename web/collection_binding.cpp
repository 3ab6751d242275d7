// SPDX-License-Identifier: MIT
// The page's collection: the designs to pick from, the collection file it reads, writes and
// holds in the page's model, and the two boxes that make Generate draw from it. The page keeps
// the file's text in browser storage and hands it over here; every check and every byte written
// is the engine's.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <exception>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "odds/collection_designs.h"
#include "tables/collection.h"
#include "tables/player_file.h"
#include "tables/table_names.h"
#include "web/page_engine.h"

namespace {

using emscripten::val;

// [{name, key (foldedName: one design's key in every spelling), tables: ["Davion Heavy", ...]}]
// for the table file in use, sorted by name; {error} when its designs cannot be worked out.
val designList() {
  val list = val::array();
  try {
    const std::shared_ptr<const TableText> tables = pageModel().tables();
    if (!tables) throw std::runtime_error("No table file is in use.");
    for (const CollectionDesign& design : collectionDesigns(tables->bytes, tables->name.string())) {
      val tables = val::array();
      for (const std::string& table : design.tables) tables.call<void>("push", table);
      val entry = val::object();
      entry.set("name", design.name);
      entry.set("key", foldedName(design.name));
      entry.set("tables", tables);
      list.call<void>("push", entry);
    }
  } catch (const std::exception& error) {
    val failure = val::object();
    failure.set("error", std::string(error.what()));
    return failure;
  }
  return list;
}

// Reads `bytes`, the user's collection file `fileName`, against the table file in use and holds
// it when it reads: {name, identity, entries: [{name, key, count, known}], warnings: [...]}. A file
// with errors changes nothing: {errors: [...]}, one message a line of the reader's.
val useCollection(const std::string& bytes, const std::string& fileName) {
  val result = val::object();
  try {
    const CollectionRead read = pageModel().holdCollection(bytes, fileName);
    result.set("name", read.collection.name);
    result.set("identity", read.collection.identity);
    val entries = val::array();
    for (const CollectionEntry& entry : read.entries) {
      val item = val::object();
      item.set("name", entry.name);
      item.set("key", foldedName(entry.name));
      item.set("count", entry.count);
      item.set("known", entry.known);
      entries.call<void>("push", item);
    }
    result.set("entries", entries);
    val warnings = val::array();
    for (const std::string& warning : read.warnings) warnings.call<void>("push", warning);
    result.set("warnings", warnings);
  } catch (const std::exception& error) {
    val errors = val::array();
    const std::string message = error.what();
    for (std::size_t start = 0; start <= message.size();) {
      const std::size_t end = std::min(message.find('\n', start), message.size());
      errors.call<void>("push", message.substr(start, end - start));
      start = end + 1;
    }
    result.set("errors", errors);
  }
  return result;
}

void forgetCollection() {
  pageModel().forgetCollection();
}

// The file text for `entries`, [{name, count}] (collectionText).
std::string collectionFileText(const val& entries) {
  std::vector<CollectionEntry> list;
  const auto count = entries["length"].as<unsigned>();
  for (unsigned k = 0; k < count; ++k)
    list.push_back({entries[k]["name"].as<std::string>(), entries[k]["count"].as<int>(), true});
  return collectionText(list);
}

// Sets the boxes "Draw from my collection" and "Each design once" for the next Generate.
void setOwnedDraw(bool owned, bool unique) {
  pageModel().setCollectionChoice(owned, unique);
}

// The design names of the table file in use nearest to `name` (nearestDesignNames), for a
// kept name that no table knows, each {name, key (foldedName)}; none when the table file's names
// cannot be read.
val nearestDesigns(const std::string& name) {
  val list = val::array();
  try {
    const std::shared_ptr<const TableText> tables = pageModel().tables();
    if (!tables) return list;
    for (const std::string& design :
         nearestDesignNames(name, tableDesignNames(tables->bytes, tables->name.string()))) {
      val entry = val::object();
      entry.set("name", design);
      entry.set("key", foldedName(design));
      list.call<void>("push", entry);
    }
  } catch (const std::exception&) {
    // The panel's rows then say why (designList).
  }
  return list;
}

// The copies that `count`, typed or added up, stands for (heldCopies), and the most a design
// may have.
int copiesHeld(double count) {
  return heldCopies(count);
}

int mostCopies() {
  return kMostCopies;
}

}  // namespace

EMSCRIPTEN_BINDINGS(musterwright_collection) {
  emscripten::function("designList", &designList);
  emscripten::function("useCollection", &useCollection);
  emscripten::function("forgetCollection", &forgetCollection);
  emscripten::function("collectionFileText", &collectionFileText);
  emscripten::function("setOwnedDraw", &setOwnedDraw);
  emscripten::function("nearestDesigns", &nearestDesigns);
  emscripten::function("heldCopies", &copiesHeld);
  emscripten::function("mostCopies", &mostCopies);
}
