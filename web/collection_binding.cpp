// SPDX-License-Identifier: MIT
// The page's collection: the designs to pick from, the collection file it reads, writes and
// holds, and the two boxes that make Generate draw from it. The page keeps the file's text in
// browser storage and hands it over here; every check and every byte written is the engine's.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "odds/collection_designs.h"
#include "tables/collection.h"
#include "tables/player_file.h"
#include "tables/table_identity.h"
#include "tables/table_names.h"
#include "web/page_engine.h"
#include "web/page_tables.h"

namespace {

using emscripten::val;

// The collection file the page holds, as the user gave it.
struct HeldCollection {
  std::string bytes;
  std::string fileName;
};
std::optional<HeldCollection> held;
bool drawOwned = false;
bool eachOnce = false;

std::string stemOf(const std::string& fileName) {
  const std::size_t slash = fileName.find_last_of('/');
  std::string name = slash == std::string::npos ? fileName : fileName.substr(slash + 1);
  const std::size_t dot = name.find_last_of('.');
  return dot == 0 || dot == std::string::npos ? name : name.substr(0, dot);
}

CollectionRead readHeld(const HeldCollection& file, const TableText& tables) {
  return readCollection(file.bytes, file.fileName, stemOf(file.fileName),
                        tableDesignNames(tables.bytes, tables.name.string()));
}

// [{name, tables: ["Davion Heavy", ...]}] for the table file in use, sorted by name; {error}
// when its designs cannot be worked out.
val designList() {
  val list = val::array();
  try {
    for (const CollectionDesign& design :
         collectionDesigns(pageTables()->bytes, pageTables()->name.string())) {
      val tables = val::array();
      for (const std::string& table : design.tables) tables.call<void>("push", table);
      val entry = val::object();
      entry.set("name", design.name);
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
// it when it reads: {name, identity, entries: [{name, count, known}], warnings: [...]}. A file
// with errors changes nothing: {errors: [...]}, one message a line of the reader's.
val useCollection(const std::string& bytes, const std::string& fileName) {
  val result = val::object();
  try {
    const HeldCollection file{bytes, fileName};
    const CollectionRead read = readHeld(file, *pageTables());
    held = file;
    result.set("name", read.collection.name);
    result.set("identity", read.collection.identity);
    val entries = val::array();
    for (const CollectionEntry& entry : read.entries) {
      val item = val::object();
      item.set("name", entry.name);
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
  held.reset();
}

bool holdsCollection() {
  return held.has_value();
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
  drawOwned = owned;
  eachOnce = unique;
}

// The notice for a link drawn from the collection of identity `linked` ("": from none) and
// opened while drawing from the collection in use: "" when they are the same.
std::string linkCollectionNotice(const std::string& linked) {
  std::optional<Collection> inUse;
  if (drawOwned && held) {
    try {
      inUse = readHeld(*held, *pageTables()).collection;
    } catch (const CollectionError&) {
      // Generate reports it.
    }
  }
  const std::string ours = inUse ? inUse->identity : "";
  if (linked == ours) return "";
  if (linked.empty())
    return "The link's force was drawn from every design; it is drawn here from your collection " +
           inUse->name + ", and may differ.";
  const std::string from = "The link's force was drawn from a collection (" + linked.substr(0, 8) +
                           ") that the link does not carry; ";
  if (!inUse) return from + "it is drawn here from every design, and may differ.";
  return from + "it is drawn here from yours, " + inUse->name + " (" +
         inUse->identity.substr(0, 8) + "), and may differ.";
}

// The design names of the table file in use nearest to `name` (nearestDesignNames), for a
// kept name that no table knows; none when the table file's names cannot be read.
val nearestDesigns(const std::string& name) {
  val list = val::array();
  try {
    const TableText& tables = *pageTables();
    for (const std::string& design :
         nearestDesignNames(name, tableDesignNames(tables.bytes, tables.name.string())))
      list.call<void>("push", design);
  } catch (const std::exception&) {
    // The panel's rows then say why (designList).
  }
  return list;
}

}  // namespace

void applyPageCollection(Selection& selection, const TableText& tables) {
  selection.unique = eachOnce;
  if (!drawOwned) return;
  if (!held)
    throw CollectionError(
        "No collection is in use: import one or pick designs under My "
        "collection, or untick \"Draw from my collection\".");
  selection.collection = readHeld(*held, tables).collection;
}

EMSCRIPTEN_BINDINGS(musterwright_collection) {
  emscripten::function("designList", &designList);
  emscripten::function("useCollection", &useCollection);
  emscripten::function("forgetCollection", &forgetCollection);
  emscripten::function("holdsCollection", &holdsCollection);
  emscripten::function("collectionFileText", &collectionFileText);
  emscripten::function("setOwnedDraw", &setOwnedDraw);
  emscripten::function("linkCollectionNotice", &linkCollectionNotice);
  emscripten::function("nearestDesigns", &nearestDesigns);
}
