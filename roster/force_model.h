// SPDX-License-Identifier: MIT
// The one object a front end holds: the table file in use, the collection in use with the
// "Draw from my collection" and "each design once" choices, and the force shown with its
// re-rolls, and the files in use that no save may write over. Every operation answers with what
// a front end shows (ForceView): the force, its listing, the seed caption and the notices, or the
// reason nothing changed, all as texts. A question that the window and the page both ask is
// answered here once. Only holdCollection, chooseDesignList and chooseSkillTable throw, as they
// say.
#ifndef MUSTERWRIGHT_ROSTER_FORCE_MODEL_H
#define MUSTERWRIGHT_ROSTER_FORCE_MODEL_H

#include <filesystem>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "generator/budget_band.h"
#include "generator/generate.h"
#include "roster/budget_searches.h"
#include "roster/design_source.h"
#include "roster/files_in_use.h"
#include "roster/force_pair.h"
#include "roster/force_totals.h"
#include "roster/reroll_request.h"
#include "roster/skill_source.h"
#include "tables/collection.h"
#include "tables/design_list.h"
#include "tables/skill_table.h"

// A budget as a player types it, each band "6000" (95 % of it up to it) or "5700-6000"
// (readBand, budget_band.h), "" or white space alone for none; tons may carry two decimals.
struct BudgetText {
  std::string points;
  std::string tons;
  std::string skillPoints = {};  // points with crew skill
  bool empty() const {
    return trimmedBand(points).empty() && trimmedBand(tons).empty() &&
           trimmedBand(skillPoints).empty();
  }
  bool operator==(const BudgetText&) const = default;
};

// The band `budget` writes; none of its parts for an empty budget. Throws BandError naming the
// box at fault ("The budget in tons cannot be read: ..."), so that the odds read the budget
// boxes as a draw does.
BudgetBand bandOf(const BudgetText& budget);

// What it takes to draw a force again, as the window's Recent list keeps it and a page's link
// carries it.
struct ForceRecord {
  // The four words as the lists stood (a word, "Random" or empty), the vehicles box and
  // "each design once"; the collection itself is the record's identity below.
  Selection choices;
  // The seed and the re-rolls, written as a player or a link writes them ("42", "2-4,3.1,2").
  std::string seed;
  std::string rerolls;
  // The table file drawn from: its name without the folder ("" where the record does not carry
  // it, as a link does not) and its checksum (tableChecksum; "" for the shipped file).
  std::string tablesName;
  std::string tablesChecksum;
  // The collection drawn from: its name ("" where the record does not carry it) and identity,
  // both "" for a force drawn from every design.
  std::string collectionName;
  std::string collectionIdentity;
  // The budget drawn within, as typed; empty for a force drawn without one.
  BudgetText budget;
  // The design list the numbers came from: its name and identity, both "" for none (and in a
  // record kept before lists were).
  std::string designsName;
  std::string designsIdentity;
  // The opposing force drawn with it, none for a force alone: its choices, measure, handicap
  // and tolerance (its re-rolls left out), and its re-rolls as written.
  std::optional<OpponentRequest> opponent = {};
  std::string opponentRerolls = {};
};

// What a front end shows after an operation.
struct ForceView {
  // Empty when the operation drew a force; else why nothing changed, one or more lines, and
  // whether the table file is at fault (a front end may then offer another).
  std::string error;
  bool tablesFailed = false;
  // Set, with nothing changed, when the operation needs a budget search that the model leaves
  // to another engine (budgetSearches().searchHere): the front end has it made there, hands the
  // outcome over, and asks again.
  bool searchElsewhere = false;
  // The force shown (null while none is), its listing (lines joined by line feeds) and its
  // seed caption (seedCaption, listing.h). The pointer lasts until the next operation.
  const Force* force = nullptr;
  std::string listing;
  std::string caption;
  // The force's totals line (totalsLine, force_totals.h) from the design list in use now, which
  // may be another than the force was drawn with; with none every slot's numbers are unknown.
  std::string totals;
  // The numbers that line adds up: each slot's, each group's and the force's (forceTotals).
  ForceTotals numbers;
  // The design list those totals come from, for a front end that shows each slot's and group's
  // numbers too (forceTotals); null when none is in use. The same for the skill table.
  std::shared_ptr<const DesignList> designs;
  std::shared_ptr<const SkillTable> skills;
  // The choices the force was drawn with, words as given, and the two collection boxes as they
  // stand after the operation (a redrawn record sets them to match it).
  Selection choices;
  bool drawFromCollection = false;
  bool eachDesignOnce = false;
  // The budget boxes as they stand after the operation (a redrawn record sets them to match it).
  BudgetText budget;
  // What the player should be told beside the force, in this order: the record's table file
  // differs from the one in use, its collection differs from the one drawn from, its design list
  // differs from the one in use, slots stayed open (generate and redraw only), the design list
  // in use was refused (once), the skill table found was refused (once).
  std::vector<std::string> notices;
  // The check findings (tableWarning) of the table file in use, for the first force drawn
  // from it since it came into use; none after that, and none for a sound file.
  std::vector<std::string> tableFindings;
  // The opposing force shown with the force (null while there is none; the pointer lasts as
  // `force` does), its listing and caption (seedCaption), and the balance line (balanceLine).
  const Force* opponent = nullptr;
  std::string opponentListing;
  std::string opponentCaption;
  std::string balance;
  // The opposing force's totals line, as `totals` is the force's; "" without one.
  std::string opponentTotals;
  // What a listing box shows: `listing` for a force alone, the pair's lines (listPair, no lines
  // after either side) with an opposing force, as the command line prints them without totals.
  std::string shownListing;

  bool drew() const { return error.empty(); }
};

class ForceModel {
 public:
  // A step of a front end's undo stack that the model has not been told of yet (placeStep).
  static constexpr int kUnplaced = std::numeric_limits<int>::max();

  // Makes `tables` the table file in use for the draws that follow, with the design list chosen
  // (chooseDesignList) read against it, or else the one found beside it (foundDesignList,
  // design_source.h); a force shown keeps re-rolling from the file it was drawn from. Returns the
  // file's check findings (tableWarning), none for a sound file. A front end that has read the
  // list found beside `tables` already passes it as `found`, so that it is not read again.
  // Tables laid out from a design list (made_tables.h) come with `base`, the table file they were
  // laid out over; any other file is its own base. The file named `tables.name` and the list's
  // file are put in use (files()), the table file as kMadeTables when it has a base, which is
  // put in use as kMadeTablesBase. The skill table is found the same way (foundSkillTable),
  // unless a front end passes it as `foundSkills`.
  std::vector<std::string> useTables(TableText tables,
                                     std::shared_ptr<const FoundDesignList> found = nullptr,
                                     std::shared_ptr<const TableText> base = nullptr,
                                     std::shared_ptr<const FoundSkillTable> foundSkills = nullptr);
  // Makes `found` and `foundSkills` the design list and the skill table found beside the table
  // file in use, in place of those read with it, the file's check findings left as they are: for
  // a front end that has them only after the table file (a site fetches the shipped ones later).
  void useFoundFiles(std::shared_ptr<const FoundDesignList> found,
                     const FoundSkillTable& foundSkills) {
    readDesigns(std::move(found));
    readSkills(foundSkills);
  }
  // The table file in use; null before useTables.
  std::shared_ptr<const TableText> tables() const { return tables_; }
  // The table file a layout is made over: the base of the made tables in use, else the table
  // file in use, so that tables a list no longer covers do not survive a second layout; null
  // before useTables.
  std::shared_ptr<const TableText> tablesBase() const { return base_ ? base_ : tables_; }
  // The base the made tables in use were laid out over; null for a file that is its own base.
  std::shared_ptr<const TableText> madeTablesBase() const { return base_; }
  // Makes the list at `path` the design list in use, read against the table file in use with
  // its names in no table warned of, and a list without battle armour's numbers too
  // (battleArmourWarning); none goes back to the list found beside the table file.
  // Returns the list's notices and warnings (none when no table file is in use yet: it is read
  // with the next). Throws DesignListError, the list in use unchanged, for a list refused.
  DesignListRead chooseDesignList(std::optional<std::filesystem::path> path);
  // The list chosen, none while the one found beside the table file is used.
  const std::optional<std::filesystem::path>& chosenDesignList() const { return chosenDesignFile_; }
  // The design list in use: null when none was found or it was refused; its file (in use even
  // when refused), none when none was found; and why the list is not used ("" when it is, or
  // none was found), told once beside the next force drawn.
  std::shared_ptr<const DesignList> designs() const { return designs_; }
  std::optional<std::filesystem::path> designListFile() const { return files_.file(kDesignList); }
  const std::string& designListNotice() const { return designListNotice_; }
  // Makes `list` the design list in use in place of the one found beside the table file, for
  // the draws that follow, whatever table file comes into use (a list chosen by its file is
  // forgotten); null goes back to the one found.
  void useDesignList(std::shared_ptr<const DesignList> list);
  // Makes the skill table at `path` the one in use, read with a warning for each crew no rule
  // table rolls; none goes back to the one found beside the table file (foundSkillTable). Returns
  // the table's warnings. Throws SkillTableError, the table in use unchanged, for a table
  // refused.
  SkillTableRead chooseSkillTable(std::optional<std::filesystem::path> path);
  // The table chosen, none while the one found beside the table file is used.
  const std::optional<std::filesystem::path>& chosenSkillTable() const { return chosenSkillFile_; }
  // Makes `table` the skill table in use in place of the one found, whatever table file comes
  // into use (a table chosen by its file is forgotten); null goes back to the one found.
  void useSkillTable(std::shared_ptr<const SkillTable> table);
  // The skill table in use: null when none was found or it was refused; its file (in use even
  // when refused), none when none was found; why the table found is not used ("" when it is).
  std::shared_ptr<const SkillTable> skills() const { return skills_; }
  std::optional<std::filesystem::path> skillTableFile() const { return files_.file(kSkillTable); }
  const std::string& skillTableNotice() const { return skillTableNotice_; }
  // Tells the model the checksum of the table file shipped with the program: a record that
  // names no checksum was drawn from it, and the file in use is named after it when its bytes
  // are the same.
  void setShippedChecksum(std::string checksum) { shippedChecksum_ = std::move(checksum); }

  // Holds the collection file `fileName` whose content is `bytes`, read against the table file
  // in use: returns what it holds and the warnings for it. Throws CollectionError, holding what
  // was held before, for a file that does not read (and when no table file is in use).
  CollectionRead holdCollection(std::string bytes, std::string fileName);
  // The bytes and file name of the collection held by holdCollection; none while no collection
  // is held, or one is held by its file.
  std::optional<std::pair<std::string, std::string>> heldCollectionBytes() const;
  // Holds the collection file at `path`, read again at every draw, so an edit shows at once, and
  // puts it in use.
  void holdCollectionFile(std::filesystem::path path);
  void forgetCollection();
  // The files in use: the table file, the design list and the collection file the model reads.
  // Every save of a front end asks them (FilesInUse::refuseSave); a front end that opens a file
  // itself puts it in use here as it opens it.
  const FilesInUse& files() const { return files_; }
  FilesInUse& files() { return files_; }

  // Sets "Draw from my collection" and "each design once" for the draws that follow.
  void setCollectionChoice(bool drawFromCollection, bool eachDesignOnce);

  // What the budgeted draws found, so far: a draw or re-roll asked again takes its try from
  // here. A front end that has the searches made elsewhere clears searchHere and keeps here
  // what the other engine found.
  BudgetSearches& budgetSearches() { return searches_; }
  // Whether "Draw from my collection" and "each design once" are ticked for the next draw.
  bool drawsFromCollection() const { return drawFromCollection_; }
  bool drawsEachDesignOnce() const { return eachDesignOnce_; }

  // Sets the budget for the draws that follow, kept without the white space around each band;
  // its text is read at each draw, where a band that is no band, or a budget without a design
  // list in use, is refused and nothing is drawn.
  void setBudget(const BudgetText& budget);
  // Sets the opposing force drawn with each force that follows (matchForce, force_pair.h), its
  // re-rolls left out; none draws a force alone. A pair needs a design list in use.
  void setOpponent(std::optional<OpponentRequest> opponent) { opponent_ = std::move(opponent); }

  // Draws a force from the table file in use: `choices`' words and vehicles box, the seed
  // typed in `seedText` (a fresh one for none), then the re-rolls `rerollText` lists. The
  // collection is the one in use when one is held and "Draw from my collection" is ticked;
  // ticked with none held, nothing is drawn. With a budget set, the force lies within it
  // (drawBudgetForce, budget_words.h, whose refusals are the error) and so does every re-roll.
  // The force becomes the one shown, with no step to undo. With an opposing force set
  // (setOpponent), the pair is drawn (matchForce) and each step holds both forces.
  ForceView generate(const Selection& choices, const std::string& seedText,
                     const std::string& rerollText = "");
  // Draws `record` again from the table file in use, after setting the two boxes to match it:
  // "Draw from my collection" ticked when it was drawn from a collection and one is held, so
  // that a record from a collection is drawn from every design while none is. Says so when the
  // table file or the collection differs from the record's, as it may change the force. When
  // nothing can be drawn the boxes stay as they were.
  // The budget and the opposing force become the record's.
  ForceView redraw(const ForceRecord& record);
  // Rolls again, in the force shown, what `kind` asks for at `at` (rerollRequest,
  // reroll_request.h), from the table file that force was drawn from. The new force is shown
  // as an unplaced step; the force before it stays for undo. A force drawn within a budget
  // stays within it, or the re-roll is refused with the band's words.
  // With an opposing force shown, `side` b rolls the opposing force again within its band, which
  // never moves; either side's re-roll makes a new step holding the pair, and the balance line
  // follows the first force's total now.
  ForceView reroll(RerollKind kind, Reroll at, Side side = Side::a);

  // A front end whose text box keeps its own undo stack ties each re-roll to the number of
  // steps the box holds once the new listing is in place: placeStep gives the newest unplaced
  // step that number, undoTo shows the newest step at or below a number (the force drawn when
  // none is), and dropUndone forgets placed steps above a number (an edit after undoing them).
  ForceView placeStep(int mark);
  ForceView undoTo(int mark);
  void dropUndone(int mark);

  // The force shown and what a front end shows with it (no notices); no force before the
  // first draw. Its totals come from the design list in use, so they follow a list chosen since.
  ForceView shown() const;
  // shown() for a front end to show at once after the design list in use changed, with a notice
  // when the force was drawn within a budget and its totals under the list now in use leave
  // that band (bandLeftNotice, budget_words.h); the caption keeps the band it was drawn in.
  ForceView retotalled() const;
  // The force shown alone, without the texts shown() words for it; null before the first draw.
  // The pointer lasts until the next operation.
  const Force* shownForce() const;
  // What it takes to draw the force shown again; its words as the lists held them.
  std::optional<ForceRecord> shownRecord() const;

 private:
  struct Held {
    std::filesystem::path file;  // read at each draw when set, else `bytes` below
    std::string bytes;
    std::string fileName;
  };
  struct Step {
    int mark;
    Force force;
    std::optional<Force> opponent = {};
  };
  struct Drawn {
    Selection choices;
    std::shared_ptr<const TableText> tables;
    std::shared_ptr<const DesignList> designs;  // drawn with; re-rolls keep to it
    std::shared_ptr<const SkillTable> skills;   // the same
    BudgetText budget;  // as typed for the force drawn; empty when it was drawn without one
    std::optional<OpponentRequest> opponent;  // the opposing force's request, re-rolls left out
    std::vector<Step> steps;  // the drawn force first (marked lowest), then each re-roll
    std::size_t current = 0;
  };

  CollectionRead readHeld(const TableText& tables) const;
  // Reads the design list chosen, or else takes `found`, the one found beside the table file in
  // use.
  void readDesigns(std::shared_ptr<const FoundDesignList> found);
  // Reads the skill table chosen, or else takes `found`, the one found beside the table file in
  // use.
  void readSkills(const FoundSkillTable& found);
  // The design list found beside the table file in use, read now.
  std::shared_ptr<const FoundDesignList> findDesigns() const;
  std::optional<ForceView> draw(Selection choices, const std::string& seedText,
                                const std::string& rerollText,
                                const std::string& opponentRerollText = "");
  // What a front end shows of the force shown, its totals from the design list in use, with
  // `notices`, and after a draw (`drawn`) the open slots' notice.
  ForceView viewOf(std::vector<std::string> notices = {}, bool drawn = false) const;
  // viewOf after a draw, with the table file's findings when not shown yet.
  ForceView drawnView(std::vector<std::string> notices);
  std::string tablesNameInUse() const;

  std::shared_ptr<const TableText> tables_;
  std::shared_ptr<const TableText> base_;
  std::shared_ptr<const DesignList> designs_;  // chosenDesigns_, else foundDesigns_
  std::shared_ptr<const DesignList> chosenDesigns_;
  std::shared_ptr<const DesignList> foundDesigns_;
  std::optional<std::filesystem::path> chosenDesignFile_;  // read again with each table file
  std::string designListNotice_;
  bool designNoticeShown_ = false;
  std::shared_ptr<const SkillTable> skills_;  // chosenSkills_, else foundSkills_
  std::shared_ptr<const SkillTable> chosenSkills_;
  std::shared_ptr<const SkillTable> foundSkills_;
  std::optional<std::filesystem::path> chosenSkillFile_;  // read again with each table file
  std::string skillTableNotice_;
  bool skillNoticeShown_ = false;
  std::vector<std::string> findings_;
  bool findingsShown_ = false;
  std::string shippedChecksum_;
  std::optional<Held> held_;
  bool drawFromCollection_ = false;
  bool eachDesignOnce_ = false;
  BudgetText budget_;
  std::optional<OpponentRequest> opponent_;
  std::optional<Drawn> drawn_;
  BudgetSearches searches_;
  FilesInUse files_;
};

// One line naming `record` for a list of forces: "Davion, Company, Heavy, Veteran, vehicles ·
// Seed: 42 · collection mine (3fa9c1d2) · each design once · re-rolled 2, 3.1" ("Random" for
// an empty word; the seed part as seedCaption words it), then the budget's band, then for a pair
// "against Wolf, Random, Random, Random · re-rolled 1", with its handicap and tolerance where
// they are not the even ones: "handicap 120 %, tolerance 10 %".
std::string describeRecord(const ForceRecord& record);

#endif
