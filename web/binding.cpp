// SPDX-License-Identifier: MIT
// The page's one way into the engine: every choice list, force, listing, table file check and
// saved text the page shows comes from these functions, so a force drawn in the browser is the
// same bytes as in the window and on the command line. Each function returns what the page
// shows; none throws into the page. Failures come back as the texts the page shows. Each draw
// is the page's model's (page_engine.h); the table files themselves are page_tables.h's.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <cstdint>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "generator/choice_lists.h"
#include "generator/choice_words.h"
#include "generator/reroll_list.h"
#include "generator/seed_text.h"
#include "roster/force_data.h"
#include "roster/force_model.h"
#include "roster/force_totals.h"
#include "roster/listing.h"
#include "roster/listing_text.h"
#include "roster/reroll_request.h"
#include "roster/roster_words.h"
#include "web/page_engine.h"
#include "web/page_tables.h"
#include "web/page_values.h"

namespace {

using emscripten::val;

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

// Where each line of `listing`, the listing of `force`, lies (rerollAtLine, roster/listing.h):
// `lineGroups[i]` is the group of line i, from 1, or 0 for a heading line; `lineSlots[i]` the slot
// in that group, from 1, or 0 for the group's separator line. Both are handed over as an Int32Array
// each, a copy made in one call rather than a number at a time.
void setLinePlaces(val& result, const Force& force, const std::string& listing) {
  const auto lineCount = static_cast<int>(std::count(listing.begin(), listing.end(), '\n')) + 1;
  std::vector<std::int32_t> groups;
  std::vector<std::int32_t> slots;
  for (int line = 0; line < lineCount; ++line) {
    const Reroll place =
        rerollAtLine(line, force.groupSize(), force.groupCount()).value_or(Reroll{});
    groups.push_back(place.group);
    slots.push_back(place.slot);
  }
  const val int32Array = val::global("Int32Array");
  result.set("lineGroups",
             int32Array.new_(emscripten::typed_memory_view(groups.size(), groups.data())));
  result.set("lineSlots",
             int32Array.new_(emscripten::typed_memory_view(slots.size(), slots.data())));
}

// The force's groups as the roster shows them: [{number (from 1), weightClass (the word the
// group was filled with), clan, totals (totalsWords: "240 tons · 5,230 points · 5,512 with
// crew"), slots: [{design, kind ("mech", "vehicle", "battle armour" or "open"), weightClass,
// piloting, gunnery (numbers), numbers (slotNumbersText: "65 tons · 1,420 points · 1,562 with
// crew", the last while a skill table is in use)}]}], in order; an
// open slot has the words it shows, `open` ("open: no Heavy design left"), in place of the
// skills. Only the groups `wanted` names (by index) where it is given.
val rosterGroups(const Force& force, const ForceTotals& totals,
                 const std::vector<bool>* wanted = nullptr) {
  val groups = val::array();
  for (int group = 0; group < force.groupCount(); ++group) {
    if (wanted && !(*wanted)[static_cast<std::size_t>(group)]) continue;
    val slots = val::array();
    for (int place = 0; place < force.groupSize(); ++place) {
      const int index = group * force.groupSize() + place;
      const Mech& mech = force.roster[index];
      val slot = val::object();
      slot.set("design", std::string(mech.name.c_str()));
      slot.set("kind", std::string(slotKindWord(mech.kind)));
      slot.set("weightClass", slotWeightClass(force, mech));
      slot.set("numbers", slotNumbersText(totals.slots[static_cast<std::size_t>(index)],
                                          mech.kind == SlotKind::open, totals.force.withSkill));
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
    entry.set("totals", totalsWords(totals.groups[static_cast<std::size_t>(group)]));
    entry.set("slots", slots);
    groups.call<void>("push", entry);
  }
  return groups;
}

// Which groups of `after` differ from `before`'s in any slot, by index.
std::vector<bool> changedGroups(const Force& before, const Force& after) {
  std::vector<bool> changed(static_cast<std::size_t>(after.groupCount()), true);
  if (before.groupCount() != after.groupCount() || before.groupSize() != after.groupSize())
    return changed;
  for (int group = 0; group < after.groupCount(); ++group)
    changed[static_cast<std::size_t>(group)] =
        before.groupWeights[group] != after.groupWeights[group] ||
        !sameGroup(before, after, group + 1);
  return changed;
}

val failure(const std::string& message) {
  val result = val::object();
  result.set("error", message);
  return result;
}

// What a view that drew nothing says: {error}, or {searchElsewhere: true} when the draw waits
// for a budget search that the page's search worker makes (search_binding.cpp).
val failure(const ForceView& view) {
  if (!view.searchElsewhere) return failure(view.error);
  val result = val::object();
  result.set("searchElsewhere", true);
  return result;
}

// What a re-roll of the force of `view` changes of what the page shows of it (shownResult):
// rerolls ("2-4,3.1,2", for the link), seedLine ("Seed: 42 · re-rolled 2-4, 3.1, 2"),
// notices (the model's, in order), listing (its lines joined by line feeds), groups
// (rosterGroups; only those `wanted` names where it is given), totals (totalsWords of the whole
// force) and openNotice (openSlotsNotice: how many slots stayed open, "" for none).
void setRerolledParts(val& result, const ForceView& view, const std::vector<bool>* wanted) {
  const Force& force = *view.force;
  result.set("rerolls", rerollList(force.rerolls));
  result.set("seedLine", view.caption);
  std::vector<std::string> notices = view.notices;
  if (const std::string& refused = pageModel().designListNotice(); !refused.empty())
    notices.push_back(refused);
  if (const std::string& refused = pageModel().skillTableNotice(); !refused.empty())
    notices.push_back(refused);
  result.set("notices", arrayOf(notices));
  result.set("listing", view.listing);
  result.set("groups", rosterGroups(force, view.numbers, wanted));
  result.set("totals", totalsWords(view.numbers.force));
  result.set("openNotice", openSlotsNotice(force));
}

// What the page shows of `view`: setRerolledParts' and {seed, tables (the checksum of the table
// file it was drawn from, for the link; "" for the shipped one), collection (the identity of
// the collection drawn from, "" for none), unique, drawOwned (the "Draw from my collection" box
// as it now stands), chosen (the four choice words it was drawn with, "Random" for an empty
// one), faction, size, weight, experience (the words as resolved), clan, groupWord ("Lance" or
// "Star"), groupCount, keepApplies (whether "keep this group, roll the others" applies), points,
// tons and skillPoints (the budget it was drawn within, as typed, "" for none), designs and
// designsName (the
// identity, for the link, and the name of the design list it was drawn with; "" for none),
// lineGroups, lineSlots}; or {error} with the reason nothing changed.
val shownResult(const ForceView& view) {
  if (!view.drew()) return failure(view);
  const Force& force = *view.force;
  const ForceRecord record = *pageModel().shownRecord();
  val result = val::object();
  const Selection& choices = view.choices;
  result.set("chosen", arrayOf(std::vector<std::string_view>{
                           randomIfEmpty(choices.house), randomIfEmpty(choices.size),
                           randomIfEmpty(choices.weight), randomIfEmpty(choices.experience)}));
  result.set("seed", static_cast<double>(force.seed));
  result.set("tables", record.tablesChecksum);
  result.set("collection", record.collectionIdentity);
  result.set("points", record.budget.points);
  result.set("tons", record.budget.tons);
  result.set("skillPoints", record.budget.skillPoints);
  result.set("unique", force.unique);
  result.set("drawOwned", view.drawFromCollection);
  result.set("faction", std::string(force.house.c_str()));
  result.set("size", std::string(force.size.c_str()));
  result.set("weight", std::string(force.weight.c_str()));
  result.set("experience", std::string(force.experience.c_str()));
  result.set("clan", force.isClan);
  result.set("groupWord", std::string(groupWord(force.isClan)));
  result.set("groupCount", force.groupCount());
  result.set("keepApplies", rerollApplies(force, RerollKind::otherGroups, {1, 0}));
  result.set("designs", record.designsIdentity);
  result.set("designsName", record.designsName);
  setRerolledParts(result, view, nullptr);
  setLinePlaces(result, force, view.listing);
  return result;
}

std::string field(const val& object, const char* name) {
  const val value = object[name];
  return value.isString() ? value.as<std::string>() : std::string();
}

// The four words (house, size, weight, experience: "" counts as "Random") and vehicles of
// `request`.
Selection choicesOf(const val& request) {
  return {field(request, "house"), field(request, "size"), field(request, "weight"),
          field(request, "experience"), request["vehicles"].isTrue()};
}

// The budget boxes of `request`: points, tons and skillPoints (points with crew skill) as typed,
// "" or absent for none.
BudgetText budgetOf(const val& request) {
  return {field(request, "points"), field(request, "tons"), field(request, "skillPoints")};
}

// A Generate run: `request` holds the chosen words and vehicles (choicesOf), seed (the seed
// typed; empty for a fresh one), rerolls (the re-rolls to make then, "2-4,3.1,2"; empty or
// absent for none) and the budget (budgetOf). shownResult() of the force drawn, which becomes
// the shown force. A draw left to the search worker also gives `seed`, the seed drawn for an
// empty one, for the request asked again, so that the search and the draw use the same.
val generateListing(const val& request) {
  pageModel().setBudget(budgetOf(request));
  std::string seed = field(request, "seed");
  try {
    if (!readSeed(seed)) seed = std::to_string(seedOrFresh(seed));
  } catch (const SeedError&) {
    // The model refuses it, saying why.
  }
  val result =
      shownResult(pageModel().generate(choicesOf(request), seed, field(request, "rerolls")));
  if (result["searchElsewhere"].isTrue()) result.set("seed", seed);
  return result;
}

// Draws a force of a link or of the page's history again: `record` holds what generateListing
// takes and tables (the table file's checksum, "" for the shipped one), collection (the
// identity of the collection drawn from, "" for none), unique, its budget, and designs and
// designsName (the design list it was drawn with, where the record carries them). The boxes
// "Draw from my collection" and "Each design once" are set to match it (drawOwned and unique in
// the result), and the model's notices say what differs from where it was drawn.
val redrawRecord(const val& record) {
  ForceRecord kept;
  kept.choices = choicesOf(record);
  kept.choices.unique = record["unique"].isTrue();
  kept.seed = field(record, "seed");
  kept.rerolls = field(record, "rerolls");
  kept.tablesChecksum = field(record, "tables");
  kept.collectionIdentity = field(record, "collection");
  kept.budget = budgetOf(record);
  kept.designsIdentity = field(record, "designs");
  kept.designsName = field(record, "designsName");
  return shownResult(pageModel().redraw(kept));
}

// The shown force's totals from the design list now in use, for the page to show at once once
// the list in use changed: {groups (rosterGroups, every group), totals (totalsWords), notice
// (the model's, when the totals leave the band the force was drawn in; "" else)}; {} before the
// first force.
val retotalShown() {
  const ForceView view = pageModel().retotalled();
  val result = val::object();
  if (!view.force) return result;
  result.set("groups", rosterGroups(*view.force, view.numbers));
  result.set("totals", totalsWords(view.numbers.force));
  result.set("notice", view.notices.empty() ? std::string() : view.notices.front());
  return result;
}

// Rolls the shown force's group `group` again (slot 0), or slot `slot` of it; with
// `othersToo`, rolls every other group again instead, in group order, keeping `group`.
// Returns what the re-roll changed (setRerolledParts, its groups only those that changed; the
// rest of shownResult() stays the shown force's), with `said`, what the re-roll did
// (rerollOutcome), and `same`, whether it drew what was there (rerollKeptAll); or {error} with
// the shown force unchanged.
val rerollShown(int group, int slot, bool othersToo) {
  const RerollKind kind = othersToo   ? RerollKind::otherGroups
                          : slot == 0 ? RerollKind::group
                                      : RerollKind::slot;
  std::optional<Force> before;
  if (const Force* shown = pageModel().shownForce()) before = *shown;
  const Reroll at{group, othersToo ? 0 : slot};
  const ForceView view = pageModel().reroll(kind, at);
  if (!view.drew()) return failure(view);
  const std::vector<bool> changed = changedGroups(*before, *view.force);
  val result = val::object();
  setRerolledParts(result, view, &changed);
  result.set("said", rerollOutcome(*before, *view.force, kind, at));
  result.set("same", rerollKeptAll(*before, *view.force, kind, at));
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

// The page's start, in steps: the model and the shipped table file (whose failure the page
// hears of when it puts that file in use), then the design list found beside it.
void startModel() {
  pageModel();
}

void findDesignList() {
  foundDesigns();
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

// `message` as the page's message line shows it (boxMessage).
std::string shownMessage(const std::string& message) {
  return boxMessage(message);
}

}  // namespace

EMSCRIPTEN_BINDINGS(musterwright) {
  emscripten::function("choiceList", &choiceList);
  emscripten::function("linkWord", &linkWord);
  emscripten::function("generateListing", &generateListing);
  emscripten::function("redrawRecord", &redrawRecord);
  emscripten::function("rerollShown", &rerollShown);
  emscripten::function("useTables", &useTables);
  emscripten::function("useShippedTables", &useShipped);
  emscripten::function("startModel", &startModel);
  emscripten::function("shippedFilesArrived", &shippedFilesArrived);
  emscripten::function("findDesignList", &findDesignList);
  emscripten::function("savedText", &savedBoxText);
  emscripten::function("seedBoxNotice", &seedNotice);
  emscripten::function("retotalShown", &retotalShown);
  emscripten::function("boxMessage", &shownMessage);
}
