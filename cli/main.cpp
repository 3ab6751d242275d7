// SPDX-License-Identifier: MIT
// musterwright-cli: one Generate run from the command line, printing the force as text, CSV
// or JSON; or the exact odds of a run in the same formats; or a check of a table file, or the file
// laid out to pass it. Standard output carries only the force (or "ok", the help, the version);
// every failure goes to standard error with exit status 1, a bad command line 2 (a re-roll
// outside the force included). Each file a run reads is put in use as it is opened, and --out
// never writes over one (roster/files_in_use.h).
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <iostream>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "cli/make_tables.h"
#include "cli/options.h"
#include "generator/generate.h"
#include "musterwright_version.h"
#include "odds/budget_odds.h"
#include "odds/force_odds.h"
#include "roster/budget_words.h"
#include "roster/design_source.h"
#include "roster/files_in_use.h"
#include "roster/force_data.h"
#include "roster/force_pair.h"
#include "roster/force_totals.h"
#include "roster/listing.h"
#include "roster/listing_text.h"
#include "roster/odds_data.h"
#include "roster/skill_source.h"
#include "tables/collection.h"
#include "tables/design_list.h"
#include "tables/table_check.h"
#include "tables/table_file.h"
#include "tables/table_fit.h"
#include "tables/table_location.h"
#include "tables/table_names.h"

namespace {

constexpr int kFailure = 1;
constexpr int kBadUsage = 2;

// A failure that the program reports on standard error and ends with status 1.
class RunError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

void print(const std::string& text) {
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0)
    throw RunError(std::string("cannot write to standard output: ") + std::strerror(errno));
}

std::filesystem::path tablePath(const CliOptions& options) {
  return options.tables ? std::filesystem::path(*options.tables) : locateTableFile();
}

// The table file at `path` as the engine reads it, put in use in `files`; a file that fails its
// check is drawn from as it stands, its warning (tableWarning) on standard error.
TableText readWarned(const std::filesystem::path& path, FilesInUse& files) {
  files.hold(kTableFile, path);
  TableText text = readTableText(path);
  const std::vector<std::string> warning = tableWarning(text.bytes, path.string());
  for (std::size_t k = 0; k < warning.size(); ++k)
    std::cerr << (k == 0 ? "musterwright-cli: warning: " : "") << warning[k] << '\n';
  return text;
}

// The collection of `file` (--collection or --opponent-collection), put in use in `files`, its
// names matched against the table file's `bytes`; each warning goes to standard error. None
// without the option. Throws CollectionError.
std::optional<Collection> collectionOf(const std::optional<std::string>& file,
                                       const std::string& bytes,
                                       const std::filesystem::path& tables, FilesInUse& files) {
  if (!file) return std::nullopt;
  files.add(kCollection, *file);
  CollectionRead read = readCollectionFile(*file, tableDesignNames(bytes, tables.string()));
  for (const std::string& warning : read.warnings)
    std::cerr << "musterwright-cli: warning: " << warning << '\n';
  return std::move(read.collection);
}

// The design list of --designs, its notices and warnings on standard error; without the option
// the list found beside the table file, which a refusal only leaves out. None for "none". The
// list's file, refused or not, is put in use in `files`. Throws DesignListError for a named list.
std::optional<DesignList> designsOf(const CliOptions& options, const std::string& bytes,
                                    const std::filesystem::path& tables, FilesInUse& files) {
  if (options.designs == "none") return std::nullopt;
  if (!options.designs) {
    FoundDesignList found = foundDesignList(tables);
    files.hold(kDesignList, found.file);
    if (!found.notice.empty()) std::cerr << "musterwright-cli: warning: " << found.notice << '\n';
    if (!found.read) return std::nullopt;
    return std::move(found.read->list);
  }
  files.hold(kDesignList, std::filesystem::path(*options.designs));
  DesignListRead read = readDesignListFile(
      *options.designs, slotDesignNames(bytes, tables.string()), UnknownNames::warn);
  for (const std::string& notice : read.notices)
    std::cerr << "musterwright-cli: " << notice << '\n';
  for (const std::string& warning : read.warnings)
    std::cerr << "musterwright-cli: warning: " << warning << '\n';
  return std::move(read.list);
}

// The skill table of --skills, its warnings on standard error; without the option the table
// found beside the table file, which a refusal only leaves out (a notice). None for "none". The
// table's file, refused or not, is put in use in `files`. Throws SkillTableError for a named
// table.
std::optional<SkillTable> skillsOf(const CliOptions& options, const std::filesystem::path& tables,
                                   FilesInUse& files) {
  if (options.skills == "none") return std::nullopt;
  if (!options.skills) {
    FoundSkillTable found = foundSkillTable(tables);
    files.hold(kSkillTable, found.file);
    if (!found.notice.empty()) std::cerr << "musterwright-cli: notice: " << found.notice << '\n';
    return std::move(found.table);
  }
  files.hold(kSkillTable, std::filesystem::path(*options.skills));
  SkillTableRead read = readChosenSkillTable(*options.skills);
  for (const std::string& warning : read.warnings)
    std::cerr << "musterwright-cli: warning: " << warning << '\n';
  return std::move(read.table);
}

bool hasBudget(const CliOptions& options) {
  return options.budget.points || options.budget.tonsHundredths || options.budget.skillPoints;
}

// Refuses a budget without a design list to take the numbers from, and one in points with crew
// skill without a skill table.
bool refuseBudgetWithout(const CliOptions& options, const DesignList* list,
                         const SkillTable* skills) {
  if (!hasBudget(options)) return false;
  if (!list) {
    std::cerr << "musterwright-cli: a budget needs a design list (--designs FILE)\n";
    return true;
  }
  if (options.budget.skillPoints && !skills) {
    std::cerr << "musterwright-cli: --skill-points needs a skill table (--skills FILE)\n";
    return true;
  }
  return false;
}

// Refuses an opposing force without a design list to match the totals by, and one matched in
// points with crew skill without a skill table.
bool refuseOpponentWithout(const CliOptions& options, const DesignList* list,
                           const SkillTable* skills) {
  if (!options.opponent) return false;
  if (!list) {
    std::cerr << "musterwright-cli: an opposing force needs a design list (--designs FILE)\n";
    return true;
  }
  if (measureOf(*options.opponent, skills) == Measure::skillPoints && !skills) {
    std::cerr
        << "musterwright-cli: --balance-by skill-points needs a skill table (--skills FILE)\n";
    return true;
  }
  return false;
}

// The totals line of `force` after an empty line under --totals; nothing without it.
std::vector<apstring> totalsLines(const Force& force, const CliOptions& options,
                                  const DesignList* list, const SkillTable* skills) {
  if (!options.totals) return {};
  return {"", totalsLine(forceTotals(force, list, skills).force).c_str()};
}

// The text listing of the force, and with an opposing force the pair and its balance line.
std::vector<apstring> listingLines(const CliOptions& options, const Force& force,
                                   const std::optional<ForcePair>& pair, const DesignList* list,
                                   const SkillTable* skills) {
  std::vector<apstring> lines = listForce(force);
  const std::vector<apstring> totals = totalsLines(force, options, list, skills);
  if (!pair) {
    lines.insert(lines.end(), totals.begin(), totals.end());
    return lines;
  }
  return listPair(force, totals, pair->sideB, totalsLines(pair->sideB, options, list, skills),
                  balanceLine(pair->balance));
}

int generate(const CliOptions& options) {
  std::uint32_t seed = 0;
  if (options.seed) {
    seed = *options.seed;
  } else {
    seed = std::random_device{}();
    std::cerr << "seed: " << seed << std::endl;
  }
  const std::filesystem::path tables = tablePath(options);
  FilesInUse files;
  const TableText text = readWarned(tables, files);
  Selection choices = options.choices;
  choices.collection = collectionOf(options.collection, text.bytes, tables, files);
  std::optional<OpponentRequest> opponent = options.opponent;
  if (opponent) {
    try {
      opponent->choices.collection =
          collectionOf(options.opponentCollection, text.bytes, tables, files);
    } catch (const CollectionError& error) {
      std::cerr << error.what() << "\nmusterwright-cli: the collection "
                << *options.opponentCollection << " was refused; nothing drawn\n";
      return kFailure;
    }
  }
  const std::optional<DesignList> designs = designsOf(options, text.bytes, tables, files);
  const DesignList* list = designs ? &*designs : nullptr;
  const std::optional<SkillTable> skillTable = skillsOf(options, tables, files);
  const SkillTable* skills = skillTable ? &*skillTable : nullptr;
  if (refuseBudgetWithout(options, list, skills) || refuseOpponentWithout(options, list, skills))
    return kBadUsage;
  Force force;
  std::optional<ForcePair> pair;
  try {
    force = hasBudget(options) ? drawBudgetForce(text, choices, seed, options.budget, *list, skills)
                               : generateForce(text, choices, seed);
    if (opponent) {
      pair = matchForce(force, options.rerolls, *opponent, text, seed, *list, skills);
      force = pair->sideA;
    } else {
      rerollBudgetForce(force, text, options.rerolls, list, skills);
    }
  } catch (const BudgetRefusal& error) {
    std::cerr << "musterwright-cli: " << error.what() << '\n';
    return kFailure;
  } catch (const OpponentRerollError& error) {
    std::cerr << "musterwright-cli: --opponent-reroll: " << error.what() << '\n';
    return kBadUsage;
  } catch (const RerollError& error) {
    std::cerr << "musterwright-cli: --reroll: " << error.what() << '\n';
    return kBadUsage;
  } catch (const SelectionError& error) {
    std::cerr << "musterwright-cli: " << error.what() << '\n';
    return kBadUsage;
  }
  for (const Force* drawn : {&force, pair ? &pair->sideB : nullptr})
    if (const std::string notice = drawn ? openSlotsNotice(*drawn) : ""; !notice.empty())
      std::cerr << "musterwright-cli: " << notice << '\n';
  if (options.format == Format::text) {
    const std::vector<apstring> lines = listingLines(options, force, pair, list, skills);
    if (options.out) files.saveLines(*options.out, lines);
    print(boxText(lines) + "\n");
    return 0;
  }
  const bool json = options.format == Format::json;
  const std::string data =
      pair ? (json ? forcePairJson(*pair, list, skills) : forcePairCsv(*pair, list, skills))
           : (json ? forceJson(force, list, skills) : forceCsv(force, list, skills));
  if (options.out) files.saveBytes(*options.out, data);
  print(data);
  return 0;
}

// The odds of `report` in the chosen format, with the band's figures when a budget is given.
std::string oddsOutput(const CliOptions& options, const OddsReport& report,
                       const std::optional<BudgetFigures>& figures) {
  if (!figures)
    return options.format == Format::json  ? oddsJson(report)
           : options.format == Format::csv ? oddsCsv(report)
                                           : oddsText(report);
  return options.format == Format::json  ? withBudgetJson(oddsJson(report), *figures)
         : options.format == Format::csv ? withBudgetCsv(oddsCsv(report), *figures)
                                         : oddsText(report) + budgetFiguresText(*figures);
}

// The exact odds of the choices on the table file, whether or not it passes --check-tables:
// what its searches make of it is what the odds show, with the warning as a force has it. --out
// saves them too, as printed.
int odds(const CliOptions& options) {
  const std::filesystem::path tables = tablePath(options);
  FilesInUse files;
  const std::string bytes = readWarned(tables, files).bytes;
  Selection choices = options.choices;
  choices.collection = collectionOf(options.collection, bytes, tables, files);
  const std::optional<DesignList> designs = designsOf(options, bytes, tables, files);
  const std::optional<SkillTable> skillTable = skillsOf(options, tables, files);
  const SkillTable* skills = skillTable ? &*skillTable : nullptr;
  if (refuseBudgetWithout(options, designs ? &*designs : nullptr, skills)) return kBadUsage;
  OddsReport report = computeOdds(choices, bytes, tables.string());
  if (designs) {
    report.numbers = expectedNumbers(report, *designs);
    if (skills)
      addExpectedSkillPoints(*report.numbers, choices, bytes, tables.string(), *designs, *skills);
  }
  std::optional<BudgetFigures> figures;
  if (hasBudget(options))
    figures = budgetFigures(choices, bytes, tables.string(), *designs, options.budget, skills);
  const std::string output = oddsOutput(options, report, figures);
  if (options.out) files.saveBytes(*options.out, output);
  print(output);
  return 0;
}

int checkTables(const CliOptions& options) {
  const std::vector<std::string> problems = checkTableFile(tablePath(options));
  if (problems.empty()) {
    print("ok\n");
    return 0;
  }
  for (const std::string& problem : problems) std::cerr << problem << '\n';
  return kFailure;
}

// Writes the table file laid out to pass --check-tables, to --out or standard output; or says
// what stands in the way, writing nothing.
int fitTables(const CliOptions& options) {
  const std::filesystem::path path = *options.tables;
  FilesInUse files;
  files.hold(kTableFile, path);
  const TableFit fit = fitTableBytes(readTableFile(path), path.string());
  if (!fit.problems.empty()) {
    for (const std::string& problem : fit.problems) std::cerr << problem << '\n';
    std::cerr << "musterwright-cli: " << path.string() << " was not laid out; nothing written\n";
    return kFailure;
  }
  if (options.out) {
    files.saveBytes(*options.out, fit.bytes);
  } else {
    print(fit.bytes);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  CliOptions options;
  try {
    options = parseArguments(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const UsageError& error) {
    std::cerr << "musterwright-cli: " << error.what() << "\n"
              << usageSynopsis() << "Try \"musterwright-cli --help\" for every list's words.\n";
    return kBadUsage;
  }
  try {
    switch (options.mode) {
      case Mode::help:
        print(helpText());
        return 0;
      case Mode::version:
        print("musterwright-cli " MUSTERWRIGHT_VERSION "\n");
        return 0;
      case Mode::checkTables:
        return checkTables(options);
      case Mode::fitTables:
        return fitTables(options);
      case Mode::makeTables:
        return makeTables(options);
      case Mode::generate:
        return generate(options);
      case Mode::odds:
        return odds(options);
    }
  } catch (const CollectionError& error) {
    std::cerr << error.what() << "\nmusterwright-cli: the collection " << *options.collection
              << " was refused; nothing drawn\n";
  } catch (const DesignListError& error) {
    std::cerr << error.what() << "\nmusterwright-cli: the design list " << *options.designs
              << " was refused; nothing drawn\n";
  } catch (const SkillTableError& error) {
    std::cerr << error.what() << "\nmusterwright-cli: the skill table " << *options.skills
              << " was refused; nothing drawn\n";
  } catch (const std::exception& error) {
    std::cerr << "musterwright-cli: " << error.what() << '\n';
  }
  return kFailure;
}
