// SPDX-License-Identifier: MIT
// The page's one way into the engine: every choice list, force, listing, table file check and
// saved text the page shows comes from these functions, so a force drawn in the browser is the
// same bytes as in the window and on the command line. Each function returns what the page
// shows; none throws into the page. Failures come back as the texts the page shows. The table
// files themselves are page_tables.h's.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "generator/choice_lists.h"
#include "generator/choice_words.h"
#include "generator/generate.h"
#include "generator/reroll_list.h"
#include "generator/seed_text.h"
#include "roster/force_data.h"
#include "roster/listing.h"
#include "roster/listing_text.h"
#include "roster/reroll_request.h"
#include "roster/roster_words.h"
#include "tables/table_identity.h"
#include "web/page_engine.h"
#include "web/page_tables.h"

namespace {

using emscripten::val;

// The force the listing box shows, the choices it was drawn with, and the table file it came
// from, which its re-rolls read even after another table file has come into use.
struct ShownForce {
  Force force;
  Selection choices;
  std::shared_ptr<const TableText> tables;
};
std::optional<ShownForce> shown;

template <typename Words>
val arrayOf(const Words& words) {
  val array = val::array();
  for (const auto& word : words) array.call<void>("push", std::string(word));
  return array;
}

// The items of the list whose control is named `control`, in list order; none for another name.
val choiceList(const std::string& control) {
  if (control == "HouseBox") return arrayOf(kFactionChoices);
  if (control == "SizeBox") return arrayOf(kSizeChoices);
  if (control == "ExperienceBox") return arrayOf(kExperienceChoices);
  if (control == "WeightBox") return arrayOf(kWeightChoices);
  return val::array();
}

// `word` as the list whose control is named `control` spells it (choiceWord, any letter case,
// aliases too); "" for a word in no list.
std::string linkWord(const std::string& control, const std::string& word) {
  constexpr std::pair<std::string_view, ChoiceList> kLists[] = {
      {"HouseBox",      ChoiceList::faction   },
      {"SizeBox",       ChoiceList::size      },
      {"WeightBox",     ChoiceList::weight    },
      {"ExperienceBox", ChoiceList::experience},
  };
  for (const auto& [name, list] : kLists)
    if (name == control) return std::string(choiceWord(list, word).value_or(""));
  return "";
}

// A table file's checksum as a link carries it: "" for the shipped file's bytes (and every
// file's own checksum when the shipped one cannot be read).
std::string linkChecksum(const TableText& tables) {
  const std::string checksum = tableChecksum(tables.bytes);
  return checksum == shippedChecksum() ? "" : checksum;
}

// The notice for a link drawn from the table file of checksum `linked` ("": the shipped one)
// and opened with the table file in use: "" when they are the same, else what tableChangeNotice
// says.
std::string linkTablesNotice(const std::string& linked) {
  const auto identity = [](const std::string& checksum, const std::string& yours) {
    return checksum.empty() ? TableIdentity{"the shipped Tables.dat", shippedChecksum()}
                            : TableIdentity{yours, checksum};
  };
  return tableChangeNotice(identity(linked, "the link's own table file"),
                           identity(linkChecksum(*pageTables()), pageTables()->name.string()));
}

// Where each line of `force`'s listing lies (rerollAtLine, roster/listing.h): `lineGroups[i]`
// is the group of line i, from 1, or 0 for a heading line; `lineSlots[i]` the slot in that
// group, from 1, or 0 for the group's separator line.
void setLinePlaces(val& result, const Force& force, int lineCount) {
  val groups = val::array();
  val slots = val::array();
  for (int line = 0; line < lineCount; ++line) {
    const Reroll place =
        rerollAtLine(line, force.groupSize(), force.groupCount()).value_or(Reroll{});
    groups.call<void>("push", place.group);
    slots.call<void>("push", place.slot);
  }
  result.set("lineGroups", groups);
  result.set("lineSlots", slots);
}

// The force's groups as the roster shows them: [{number (from 1), weightClass (the word the
// group was filled with), clan, slots: [{design, kind ("mech", "vehicle", "battle armour" or
// "open"), weightClass, piloting, gunnery (numbers)}]}], in order; an open slot has the words
// it shows, `open` ("open: no Heavy design left"), in place of the skills.
val rosterGroups(const Force& force) {
  val groups = val::array();
  for (int group = 0; group < force.groupCount(); ++group) {
    val slots = val::array();
    for (int place = 0; place < force.groupSize(); ++place) {
      const Mech& mech = force.roster[group * force.groupSize() + place];
      val slot = val::object();
      slot.set("design", std::string(mech.name.c_str()));
      slot.set("kind", std::string(slotKindWord(mech.kind)));
      slot.set("weightClass", slotWeightClass(force, mech));
      if (mech.kind == SlotKind::open) {
        slot.set("open", openSlotWords(mech));
      } else {
        slot.set("piloting", mech.piloting - '0');
        slot.set("gunnery", mech.gunnery - '0');
      }
      slots.call<void>("push", slot);
    }
    val entry = val::object();
    entry.set("number", group + 1);
    entry.set("weightClass", std::string(force.groupWeights[group].c_str()));
    entry.set("clan", force.isClan);
    entry.set("slots", slots);
    groups.call<void>("push", entry);
  }
  return groups;
}

// What the page shows of the shown force: {seed, rerolls ("2-4,3.1,2", for the link), seedLine
// ("Seed: 42 · re-rolled 2-4, 3.1, 2"), tables (the checksum of the table file it was drawn
// from, for the link; "" for the shipped one), collection (the identity of the collection drawn
// from, "" for none), unique, listing (its lines joined by line feeds),
// chosen (the four choice words it was drawn with, "Random" for an empty one), faction, size,
// weight, experience (the words as resolved), clan, groupWord ("Lance" or "Star"), groupCount,
// keepApplies (whether "keep this group, roll the others" applies), groups (rosterGroups),
// openNotice (openSlotsNotice: how many slots stayed open, "" for none), lineGroups, lineSlots}.
val shownResult() {
  const Force& force = shown->force;
  val result = val::object();
  const std::vector<apstring> lines = listForce(force);
  const Selection& choices = shown->choices;
  result.set("chosen", arrayOf(std::vector<std::string_view>{
                           randomIfEmpty(choices.house), randomIfEmpty(choices.size),
                           randomIfEmpty(choices.weight), randomIfEmpty(choices.experience)}));
  result.set("seed", static_cast<double>(force.seed));
  result.set("rerolls", rerollList(force.rerolls));
  result.set("seedLine", seedCaption(force));
  result.set("tables", linkChecksum(*shown->tables));
  result.set("collection", force.collection ? force.collection->identity : std::string());
  result.set("unique", force.unique);
  result.set("listing", boxText(lines));
  result.set("faction", std::string(force.house.c_str()));
  result.set("size", std::string(force.size.c_str()));
  result.set("weight", std::string(force.weight.c_str()));
  result.set("experience", std::string(force.experience.c_str()));
  result.set("clan", force.isClan);
  result.set("groupWord", std::string(groupWord(force.isClan)));
  result.set("groupCount", force.groupCount());
  result.set("keepApplies", rerollApplies(force, RerollKind::otherGroups, {1, 0}));
  result.set("groups", rosterGroups(force));
  result.set("openNotice", openSlotsNotice(force));
  setLinePlaces(result, force, static_cast<int>(lines.size()));
  return result;
}

val failure(const std::string& message) {
  val result = val::object();
  result.set("error", message);
  return result;
}

// A Generate run with the chosen words (empty counts as "Random") and the seed typed, then the
// re-rolls `rerollText` lists ("2-4,3.1,2"; empty for none): shownResult() of the force drawn,
// which becomes the shown force; or {error} with the reason, when nothing was drawn.
val generateListing(const std::string& house, const std::string& size, const std::string& weight,
                    const std::string& experience, bool vehicles, const std::string& seedText,
                    const std::string& rerollText) {
  try {
    const std::uint32_t seed = seedOrFresh(seedText);
    const std::vector<RerollItem> rerolls = parseRerollItems(rerollText);
    const std::shared_ptr<const TableText> tables = pageTables();
    Selection choices{house, size, weight, experience, vehicles};
    applyPageCollection(choices, *tables);
    Force force = generateForce(*tables, choices, seed);
    rerollForce(force, *tables, rerolls);
    shown = ShownForce{std::move(force), choices, tables};
  } catch (const RerollError& error) {
    return failure(std::string("The re-rolls cannot be made (") + error.what() +
                   "); nothing was drawn.");
  } catch (const std::exception& error) {
    return failure(error.what());
  }
  return shownResult();
}

// Rolls the shown force's group `group` again (slot 0), or slot `slot` of it; with
// `othersToo`, rolls every other group again instead, in group order, keeping `group`.
// Returns shownResult() of the re-rolled force with `said`, what the re-roll did
// (rerollOutcome), and `same`, whether it drew what was there (rerollKeptAll); or {error} with
// the shown force unchanged.
val rerollShown(int group, int slot, bool othersToo) {
  if (!shown) return failure("There is no force to roll again: Generate one first.");
  const RerollKind kind = othersToo   ? RerollKind::otherGroups
                          : slot == 0 ? RerollKind::group
                                      : RerollKind::slot;
  Force force = shown->force;
  try {
    const std::vector<Reroll> rerolls =
        rerollRequest(force, kind, Reroll{group, othersToo ? 0 : slot});
    if (rerolls.empty())
      return failure(std::string("The force has no other ") + groupWord(force.isClan, true) +
                     " to roll again.");
    for (const Reroll& reroll : rerolls) rerollForce(force, *shown->tables, reroll);
  } catch (const RerollError& error) {
    return failure(std::string("The re-roll cannot be made (") + error.what() +
                   "); the force stays as it was.");
  } catch (const std::exception& error) {
    return failure(error.what());
  }
  const std::string said = rerollOutcome(shown->force, force, kind, Reroll{group, slot});
  const bool same = rerollKeptAll(shown->force, force, kind, Reroll{group, slot});
  shown->force = std::move(force);
  val result = shownResult();
  result.set("said", said);
  result.set("same", same);
  return result;
}

// Makes the user's file (`bytes`, named `name`) the table file in use when the engine can read
// it, quirks included: {warning: its tableWarning lines, none for a sound file}; or {error: the
// reason} for a file that cannot be read, the table file in use staying.
val useTables(const std::string& bytes, const std::string& name) {
  try {
    val result = val::object();
    result.set("warning", arrayOf(useChosenTables(bytes, name)));
    return result;
  } catch (const std::exception& error) {
    return failure(error.what());
  }
}

// Makes the shipped table file the one in use; returns "" or the reason it could not be.
std::string useShipped() {
  try {
    useShippedTables();
  } catch (const std::exception& error) {
    return error.what();
  }
  return "";
}

// The text a save writes for the listing box's `text`, edits included: every line followed
// by CR LF, as the window saves it.
std::string savedBoxText(const std::string& text) {
  return savedText(textLines(text));
}

// What the seed box's `text` makes of every Generate (seedBoxNotice).
std::string seedNotice(const std::string& text) {
  return seedBoxNotice(text);
}

}  // namespace

EMSCRIPTEN_BINDINGS(musterwright) {
  emscripten::function("choiceList", &choiceList);
  emscripten::function("linkWord", &linkWord);
  emscripten::function("linkTablesNotice", &linkTablesNotice);
  emscripten::function("generateListing", &generateListing);
  emscripten::function("rerollShown", &rerollShown);
  emscripten::function("useTables", &useTables);
  emscripten::function("useShippedTables", &useShipped);
  emscripten::function("savedText", &savedBoxText);
  emscripten::function("seedBoxNotice", &seedNotice);
}
