// SPDX-License-Identifier: MIT
#include "roster/force_model.h"

#include <algorithm>
#include <exception>
#include <tuple>
#include <utility>

#include "generator/budget_band.h"
#include "generator/seed_text.h"
#include "roster/budget_words.h"
#include "roster/design_source.h"
#include "roster/force_totals.h"
#include "roster/listing.h"
#include "roster/listing_text.h"
#include "tables/table_check.h"
#include "tables/table_error.h"
#include "tables/table_identity.h"
#include "tables/table_names.h"

namespace {

constexpr int kDrawnMark = std::numeric_limits<int>::min();

ForceView failure(std::string message, bool tablesFailed = false) {
  ForceView view;
  view.error = std::move(message);
  view.tablesFailed = tablesFailed;
  return view;
}

ForceView searchLeft(const SearchElsewhere& search) {
  ForceView view = failure(search.what());
  view.searchElsewhere = true;
  return view;
}

// What to tell the player who draws again, from the collection `now` (none: every design), a
// record first drawn from the collection of `record`.
std::string collectionChangeNotice(const ForceRecord& record,
                                   const std::optional<Collection>& now) {
  const std::string& identity = record.collectionIdentity;
  const std::string from =
      identity.empty() ? "every design"
      : record.collectionName.empty()
          ? "a collection (" + shortIdentity(identity) + ") that the link does not carry"
          : "the collection " + record.collectionName + " (" + shortIdentity(identity) + ")";
  const std::string here =
      now ? "yours, " + now->name + " (" + shortIdentity(now->identity) + ")" : "every design";
  return "This force was drawn from " + from + "; it is drawn here from " + here +
         ", and may differ.";
}

}  // namespace

BudgetBand bandOf(const BudgetText& budget) {
  BudgetBand band;
  const auto read = [](const std::string& text, bool tons) {
    try {
      return readBand(text, tons);
    } catch (const BandError& error) {
      throw BandError(std::string("The budget in ") + (tons ? "tons" : "points") +
                      " cannot be read: " + error.what());
    }
  };
  if (!trimmedBand(budget.points).empty()) band.points = read(budget.points, false);
  if (!trimmedBand(budget.tons).empty()) band.tonsHundredths = read(budget.tons, true);
  if (!trimmedBand(budget.skillPoints).empty()) {
    try {
      band.skillPoints = readBand(budget.skillPoints, false);
    } catch (const BandError& error) {
      throw BandError(std::string("The budget in points with crew skill cannot be read: ") +
                      error.what());
    }
  }
  return band;
}

std::vector<std::string> ForceModel::useTables(TableText tables,
                                               std::shared_ptr<const FoundDesignList> found,
                                               std::shared_ptr<const TableText> base,
                                               std::shared_ptr<const FoundSkillTable> foundSkills) {
  tables_ = std::make_shared<const TableText>(std::move(tables));
  base_ = std::move(base);
  files_.hold(base_ ? kMadeTables : kTableFile, tables_->name);
  files_.hold(kMadeTablesBase, base_ ? std::optional(base_->name) : std::nullopt);
  findings_ = tableWarning(tables_->bytes, tables_->name.string());
  findingsShown_ = false;
  readDesigns(found ? std::move(found) : findDesigns());
  readSkills(foundSkills ? *foundSkills : foundSkillTable(tables_->name));
  return findings_;
}

void ForceModel::readSkills(const FoundSkillTable& found) {
  skillNoticeShown_ = false;
  skillTableNotice_.clear();
  foundSkills_ = found.table ? std::make_shared<const SkillTable>(*found.table) : nullptr;
  files_.hold(kSkillTable, chosenSkillFile_ ? chosenSkillFile_ : found.file);
  if (!chosenSkillFile_) {
    skillTableNotice_ = found.notice;
    skills_ = chosenSkills_ ? chosenSkills_ : foundSkills_;
    return;
  }
  try {
    chosenSkills_ =
        std::make_shared<const SkillTable>(readChosenSkillTable(*chosenSkillFile_).table);
    skills_ = chosenSkills_;
  } catch (const SkillTableError& error) {
    chosenSkills_.reset();
    skills_.reset();
    skillTableNotice_ = chosenSkillFile_->string() + " is not used:\n" + error.what();
  }
}

SkillTableRead ForceModel::chooseSkillTable(std::optional<std::filesystem::path> path) {
  if (!path) {
    chosenSkillFile_.reset();
    chosenSkills_.reset();
    if (tables_) {
      readSkills(foundSkillTable(tables_->name));
    } else {
      files_.hold(kSkillTable, std::nullopt);
    }
    return {};
  }
  SkillTableRead read = readChosenSkillTable(*path);
  chosenSkills_ = std::make_shared<const SkillTable>(read.table);
  skills_ = chosenSkills_;
  files_.hold(kSkillTable, path);
  chosenSkillFile_ = std::move(path);
  skillTableNotice_.clear();
  return read;
}

void ForceModel::useSkillTable(std::shared_ptr<const SkillTable> table) {
  chosenSkillFile_.reset();
  chosenSkills_ = std::move(table);
  skills_ = chosenSkills_ ? chosenSkills_ : foundSkills_;
}

std::shared_ptr<const FoundDesignList> ForceModel::findDesigns() const {
  return std::make_shared<const FoundDesignList>(foundDesignList(tables_->name));
}

void ForceModel::readDesigns(std::shared_ptr<const FoundDesignList> found) {
  designNoticeShown_ = false;
  designListNotice_.clear();
  // The list is shared with `found`, not copied.
  foundDesigns_ =
      found->read ? std::shared_ptr<const DesignList>(found, &found->read->list) : nullptr;
  files_.hold(kDesignList, chosenDesignFile_ ? chosenDesignFile_ : found->file);
  if (!chosenDesignFile_) {
    designListNotice_ = found->notice;
    designs_ = chosenDesigns_ ? chosenDesigns_ : foundDesigns_;
    return;
  }
  try {
    chosenDesigns_ = std::make_shared<const DesignList>(
        readDesignListFile(*chosenDesignFile_, {}, UnknownNames::quiet).list);
    designs_ = chosenDesigns_;
  } catch (const DesignListError& error) {
    chosenDesigns_.reset();
    designs_.reset();
    designListNotice_ = chosenDesignFile_->string() + " is not used:\n" + error.what();
  }
}

DesignListRead ForceModel::chooseDesignList(std::optional<std::filesystem::path> path) {
  if (!path) {
    chosenDesignFile_.reset();
    chosenDesigns_.reset();
    if (tables_) {
      readDesigns(findDesigns());
    } else {
      files_.hold(kDesignList, std::nullopt);
    }
    return {};
  }
  if (!tables_) {
    files_.hold(kDesignList, path);
    chosenDesignFile_ = std::move(path);
    return {};
  }
  DesignListRead read = readDesignListFile(
      *path, slotDesignNames(tables_->bytes, tables_->name.string()), UnknownNames::warn);
  if (std::string armour = battleArmourWarning(read.list, path->string()); !armour.empty())
    read.warnings.push_back(std::move(armour));
  chosenDesigns_ = std::make_shared<const DesignList>(read.list);
  designs_ = chosenDesigns_;
  files_.hold(kDesignList, path);
  chosenDesignFile_ = std::move(path);
  designListNotice_.clear();
  return read;
}

void ForceModel::useDesignList(std::shared_ptr<const DesignList> list) {
  chosenDesignFile_.reset();
  chosenDesigns_ = std::move(list);
  designs_ = chosenDesigns_ ? chosenDesigns_ : foundDesigns_;
}

CollectionRead ForceModel::readHeld(const TableText& tables) const {
  const std::vector<std::string> names = tableDesignNames(tables.bytes, tables.name.string());
  if (!held_->file.empty()) return readCollectionFile(held_->file, names);
  const std::filesystem::path name = std::filesystem::path(held_->fileName).filename();
  return readCollection(held_->bytes, held_->fileName, name.stem().string(), names);
}

CollectionRead ForceModel::holdCollection(std::string bytes, std::string fileName) {
  if (!tables_) throw CollectionError("No table file is in use to read the collection against.");
  std::optional<Held> before =
      std::exchange(held_, Held{{}, std::move(bytes), std::move(fileName)});
  try {
    CollectionRead read = readHeld(*tables_);
    files_.hold(kCollection, std::nullopt);
    return read;
  } catch (...) {
    held_ = std::move(before);
    throw;
  }
}

std::optional<std::pair<std::string, std::string>> ForceModel::heldCollectionBytes() const {
  if (!held_ || !held_->file.empty()) return std::nullopt;
  return std::pair{held_->bytes, held_->fileName};
}

void ForceModel::holdCollectionFile(std::filesystem::path path) {
  files_.hold(kCollection, path);
  held_ = Held{std::move(path), {}, {}};
}

void ForceModel::forgetCollection() {
  files_.hold(kCollection, std::nullopt);
  held_.reset();
}

void ForceModel::setBudget(const BudgetText& budget) {
  budget_ = {std::string(trimmedBand(budget.points)), std::string(trimmedBand(budget.tons)),
             std::string(trimmedBand(budget.skillPoints))};
}

void ForceModel::setCollectionChoice(bool drawFromCollection, bool eachDesignOnce) {
  drawFromCollection_ = drawFromCollection;
  eachDesignOnce_ = eachDesignOnce;
}

std::optional<ForceView> ForceModel::draw(Selection choices, const std::string& seedText,
                                          const std::string& rerollText,
                                          const std::string& opponentRerollText) {
  if (!tables_) return failure("No table file is in use.", true);
  try {
    const std::uint32_t seed = seedOrFresh(seedText);
    const std::vector<RerollItem> rerolls = parseRerollItems(rerollText);
    const std::vector<RerollItem> opponentRerolls = parseRerollItems(opponentRerollText);
    choices.unique = eachDesignOnce_;
    choices.collection.reset();
    if (drawFromCollection_) {
      if (!held_)
        throw CollectionError(
            "No collection is in use: pick the designs you own, or untick \"Draw from my "
            "collection\".");
      choices.collection = readHeld(*tables_).collection;
    }
    const BudgetBand band = bandOf(budget_);
    const bool budgeted = band.points || band.tonsHundredths || band.skillPoints;
    if (budgeted && !designs_) throw BudgetRefusal(budgetWithoutDesignsText());
    Force force = budgeted ? drawBudgetForce(*tables_, choices, seed, band, *designs_,
                                             skills_.get(), &searches_)
                           : generateForce(*tables_, choices, seed);
    std::optional<Force> opponent;
    if (opponent_) {
      if (!designs_) throw BudgetRefusal(opponentWithoutDesignsText());
      OpponentRequest request = *opponent_;
      request.rerolls = opponentRerolls;
      ForcePair pair =
          matchForce(std::move(force), rerolls, request, *tables_, seed, *designs_, skills_.get());
      force = std::move(pair.sideA);
      opponent = std::move(pair.sideB);
    } else {
      rerollBudgetForce(force, *tables_, rerolls, designs_.get(), skills_.get(), &searches_);
    }
    drawn_ = Drawn{std::move(choices), tables_, designs_, skills_, budget_, opponent_, {}, 0};
    drawn_->steps.push_back({kDrawnMark, std::move(force), std::move(opponent)});
  } catch (const SearchElsewhere& search) {
    return searchLeft(search);
  } catch (const OpponentRerollError& error) {
    return failure(std::string("The opposing force's re-rolls cannot be made (") + error.what() +
                   "); nothing was drawn.");
  } catch (const RerollError& error) {
    return failure(std::string("The re-rolls cannot be made (") + error.what() +
                   "); nothing was drawn.");
  } catch (const TableError& error) {
    return failure(error.what(), true);
  } catch (const std::exception& error) {
    return failure(error.what());
  }
  return std::nullopt;
}

ForceView ForceModel::generate(const Selection& choices, const std::string& seedText,
                               const std::string& rerollText) {
  if (std::optional<ForceView> failed = draw(choices, seedText, rerollText)) return *failed;
  return drawnView({});
}

ForceView ForceModel::redraw(const ForceRecord& record) {
  const std::tuple<bool, bool, BudgetText, std::optional<OpponentRequest>> before{
      drawFromCollection_, eachDesignOnce_, budget_, opponent_};
  drawFromCollection_ = !record.collectionIdentity.empty() && held_.has_value();
  eachDesignOnce_ = record.choices.unique;
  setBudget(record.budget);
  opponent_ = record.opponent;
  if (std::optional<ForceView> failed =
          draw(record.choices, record.seed, record.rerolls, record.opponentRerolls)) {
    std::tie(drawFromCollection_, eachDesignOnce_, budget_, opponent_) = before;
    failed->drawFromCollection = drawFromCollection_;
    failed->eachDesignOnce = eachDesignOnce_;
    failed->budget = budget_;
    return *failed;
  }
  const TableIdentity drawnFrom =
      record.tablesChecksum.empty()
          ? TableIdentity{"the shipped Tables.dat", shippedChecksum_}
          : TableIdentity{
                record.tablesName.empty() ? "the link's own table file" : record.tablesName,
                record.tablesChecksum};
  std::vector<std::string> notices{
      tableChangeNotice(drawnFrom, {tablesNameInUse(), tableChecksum(tables_->bytes)})};
  const std::optional<Collection>& now = drawn_->choices.collection;
  if (record.collectionIdentity != (now ? now->identity : ""))
    notices.push_back(collectionChangeNotice(record, now));
  notices.push_back(
      designListChangeNotice(record.designsName, record.designsIdentity, drawn_->designs.get()));
  std::erase(notices, std::string());
  return drawnView(std::move(notices));
}

ForceView ForceModel::reroll(RerollKind kind, Reroll at, Side side) {
  if (!drawn_) return failure("There is no force to roll again: Generate one first.");
  Step next = drawn_->steps[drawn_->current];
  if (side == Side::b && !next.opponent)
    return failure("There is no opposing force to roll again: Generate a pair first.");
  Force& force = side == Side::b ? *next.opponent : next.force;
  try {
    const std::vector<Reroll> rerolls = rerollRequest(force, kind, at);
    if (rerolls.empty())
      return failure(std::string("The force has no other ") + groupWord(force.isClan, true) +
                     " to roll again.");
    if (std::string full = rerollRoomRefusal(force, rerolls.size()); !full.empty())
      return failure(std::move(full));
    for (const Reroll& reroll : rerolls)
      rerollBudgetForce(force, *drawn_->tables, {RerollItem{reroll}}, drawn_->designs.get(),
                        drawn_->skills.get(), &searches_);
  } catch (const SearchElsewhere& search) {
    return searchLeft(search);
  } catch (const BudgetRefusal& error) {
    return failure(std::string("The re-roll cannot be made: ") + error.what() + ".");
  } catch (const RerollError& error) {
    return failure(std::string("The re-roll cannot be made (") + error.what() +
                   "); the force stays as it was.");
  } catch (const std::exception& error) {
    return failure(error.what());
  }
  std::erase_if(drawn_->steps, [](const Step& step) { return step.mark == kUnplaced; });
  next.mark = kUnplaced;
  drawn_->steps.push_back(std::move(next));
  drawn_->current = drawn_->steps.size() - 1;
  return viewOf();
}

ForceView ForceModel::placeStep(int mark) {
  if (drawn_ && drawn_->steps.back().mark == kUnplaced) {
    drawn_->steps.back().mark = mark;
    drawn_->current = drawn_->steps.size() - 1;
  }
  return viewOf();
}

ForceView ForceModel::undoTo(int mark) {
  if (drawn_) {
    std::size_t step = drawn_->steps.size() - 1;
    while (drawn_->steps[step].mark > mark) --step;
    drawn_->current = step;
  }
  return viewOf();
}

void ForceModel::dropUndone(int mark) {
  if (!drawn_) return;
  const int shownMark = drawn_->steps[drawn_->current].mark;
  std::erase_if(drawn_->steps,
                [mark](const Step& step) { return step.mark > mark && step.mark != kUnplaced; });
  undoTo(shownMark);
}

ForceView ForceModel::shown() const {
  return viewOf();
}

const Force* ForceModel::shownForce() const {
  return drawn_ ? &drawn_->steps[drawn_->current].force : nullptr;
}

std::optional<ForceRecord> ForceModel::shownRecord() const {
  if (!drawn_) return std::nullopt;
  const Force& force = drawn_->steps[drawn_->current].force;
  ForceRecord record;
  record.choices = drawn_->choices;
  record.choices.collection.reset();
  record.seed = std::to_string(force.seed);
  record.rerolls = rerollList(force.rerolls);
  record.tablesName = drawn_->tables->name.filename().string();
  record.tablesChecksum = tableChecksum(drawn_->tables->bytes);
  if (record.tablesChecksum == shippedChecksum_) record.tablesChecksum.clear();
  if (const std::optional<Collection>& collection = drawn_->choices.collection) {
    record.collectionName = collection->name;
    record.collectionIdentity = collection->identity;
  }
  record.budget = drawn_->budget;
  if (const std::optional<Force>& opponent = drawn_->steps[drawn_->current].opponent) {
    record.opponent = drawn_->opponent;
    record.opponentRerolls = rerollList(opponent->rerolls);
  }
  if (drawn_->designs) {
    record.designsName = drawn_->designs->name;
    record.designsIdentity = drawn_->designs->identity;
  }
  return record;
}

ForceView ForceModel::retotalled() const {
  ForceView view = viewOf();
  if (view.force) {
    if (std::string left = bandLeftNotice(*view.force, view.numbers.force, designs_.get());
        !left.empty())
      view.notices.push_back(std::move(left));
  }
  return view;
}

ForceView ForceModel::viewOf(std::vector<std::string> notices, bool drawn) const {
  ForceView view;
  view.drawFromCollection = drawFromCollection_;
  view.eachDesignOnce = eachDesignOnce_;
  view.budget = budget_;
  if (!drawn_) return view;
  const Force& force = drawn_->steps[drawn_->current].force;
  view.force = &force;
  view.listing = boxText(listForce(force));
  view.shownListing = view.listing;
  view.caption = seedCaption(force);
  view.numbers = forceTotals(force, designs_.get(), skills_.get());
  view.totals = totalsLine(view.numbers.force);
  view.designs = designs_;
  view.skills = skills_;
  view.choices = drawn_->choices;
  view.notices = std::move(notices);
  const std::optional<Force>& opponent = drawn_->steps[drawn_->current].opponent;
  if (opponent) {
    view.opponent = &*opponent;
    view.opponentListing = boxText(listForce(*opponent));
    view.opponentCaption = seedCaption(*opponent);
    view.balance = balanceLine(
        balanceOf(force, *opponent, *drawn_->opponent, *drawn_->designs, drawn_->skills.get()));
    view.opponentTotals = totalsLine(forceTotals(*opponent, designs_.get(), skills_.get()).force);
    view.shownListing = boxText(listPair(force, {}, *opponent, {}, view.balance));
  }
  for (const Force* shown : {&force, view.opponent})
    if (std::string open = drawn && shown ? openSlotsNotice(*shown) : ""; !open.empty())
      view.notices.push_back(std::move(open));
  return view;
}

ForceView ForceModel::drawnView(std::vector<std::string> notices) {
  ForceView view = viewOf(std::move(notices), true);
  if (!designNoticeShown_ && !designListNotice_.empty()) view.notices.push_back(designListNotice_);
  designNoticeShown_ = true;
  if (!skillNoticeShown_ && !skillTableNotice_.empty()) view.notices.push_back(skillTableNotice_);
  skillNoticeShown_ = true;
  if (!findingsShown_) view.tableFindings = findings_;
  findingsShown_ = true;
  return view;
}

std::string ForceModel::tablesNameInUse() const {
  const bool shipped =
      !shippedChecksum_.empty() && tableChecksum(tables_->bytes) == shippedChecksum_;
  return shipped ? "the shipped Tables.dat" : tables_->name.filename().string();
}

namespace {

// "Davion, Company, Heavy, Veteran, vehicles": the four words ("Random" for an empty one) and
// the vehicles box.
std::string choicesText(const Selection& choices) {
  std::string line;
  for (const std::string* word :
       {&choices.house, &choices.size, &choices.weight, &choices.experience})
    line += (line.empty() ? "" : ", ") + std::string(randomIfEmpty(*word));
  if (choices.withVehicles) line += ", vehicles";
  return line;
}

// " · against Wolf, Random, Random, Random · re-rolled 1 · handicap 120 %, tolerance 10 %" for
// a record's opposing force, its re-rolls and a handicap or tolerance other than the even ones.
std::string opponentText(const OpponentRequest& opponent, const std::string& rerolls) {
  std::string text = " \u00b7 against " + choicesText(opponent.choices);
  if (!rerolls.empty()) text += " \u00b7 re-rolled " + rerolls;
  if (opponent.handicap != kEvenHandicap || opponent.tolerance != kFairTolerance)
    text += " \u00b7 handicap " + std::to_string(opponent.handicap) + " %, tolerance " +
            std::to_string(opponent.tolerance) + " %";
  return text;
}

}  // namespace

std::string describeRecord(const ForceRecord& record) {
  const Selection& choices = record.choices;
  const std::string line = choicesText(choices);
  std::string caption;
  try {
    caption = seedCaption(readSeed(record.seed).value_or(0), parseRerolls(record.rerolls),
                          record.collectionName, record.collectionIdentity, choices.unique);
  } catch (const std::exception&) {
    caption = "Seed: " + record.seed;
  }
  try {
    if (!record.budget.empty()) caption += " \u00b7 " + bandText(bandOf(record.budget));
  } catch (const BandError&) {
    caption +=
        " \u00b7 budget " + record.budget.points + record.budget.tons + record.budget.skillPoints;
  }
  if (record.opponent) caption += opponentText(*record.opponent, record.opponentRerolls);
  return line + " \u00b7 " + caption;
}
