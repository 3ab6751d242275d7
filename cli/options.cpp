// SPDX-License-Identifier: MIT
#include "cli/options.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <memory>
#include <optional>
#include <span>
#include <string_view>

#include "generator/budget_band.h"
#include "generator/choice_words.h"
#include "generator/reroll_list.h"
#include "generator/seed_text.h"
#include "musterwright_version.h"

namespace {

constexpr const char* kFormatWords[] = {"text", "csv", "json"};
constexpr const char* kMeasureWords[] = {"points", "tons", "skill-points"};

// Where the descriptions of --help start, and how wide they may run.
constexpr std::size_t kHelpColumn = 22;
constexpr std::size_t kHelpWidth = 79;

std::string wordList(std::span<const char* const> words) {
  std::string text;
  for (const char* word : words) text += (text.empty() ? "" : ", ") + std::string(word);
  return text;
}

// `pieces` joined by blanks, broken into lines that fit beside the option names of --help.
std::string wrapped(const std::vector<std::string>& pieces) {
  constexpr std::size_t kRoom = kHelpWidth - kHelpColumn;
  std::string result;
  std::size_t lineLength = 0;
  for (const std::string& piece : pieces) {
    if (lineLength > 0 && lineLength + 1 + piece.size() > kRoom) {
      result += '\n';
      lineLength = 0;
    } else if (lineLength > 0) {
      result += ' ';
      ++lineLength;
    }
    result += piece;
    lineLength += piece.size();
  }
  return result;
}

// A help text listing `words`, broken only between two words, then `more`.
std::string listed(std::span<const char* const> words, const std::string& more) {
  std::vector<std::string> pieces;
  for (const char* word : words) pieces.push_back(std::string(word) + ",");
  pieces.back().pop_back();
  if (!more.empty()) pieces.push_back(more);
  return wrapped(pieces);
}

// Turns `value` into the word of `words` that it spells in any letter case, or an alias of one
// (`read`); any other word is refused with the list.
template <typename Read>
CLI::Validator oneOf(std::span<const char* const> words, Read read) {
  return CLI::Validator(
      [words, read](std::string& value) -> std::string {
        const std::optional<std::string_view> word = read(value);
        if (!word) return "\"" + value + "\" is none of " + wordList(words);
        value = *word;
        return "";
      },
      "");
}

CLI::Validator oneOf(ChoiceList list) {
  return oneOf(choiceWords(list),
               [list](std::string_view value) { return choiceWord(list, value); });
}

const CLI::Validator kSeedCheck(
    [](std::string& value) -> std::string {
      try {
        static_cast<void>(readSeed(value));
      } catch (const SeedError& error) {
        return error.what();
      }
      return "";
    },
    "");

const CLI::Validator kRerollCheck(
    [](std::string& value) -> std::string {
      try {
        checkRerollCount(parseRerollItems(value));
      } catch (const RerollError& error) {
        return error.what();
      }
      return "";
    },
    "");

// A band of --points (whole points) or --tons (`hundredths`).
CLI::Validator bandCheck(bool hundredths) {
  return CLI::Validator(
      [hundredths](std::string& value) -> std::string {
        try {
          static_cast<void>(readBand(value, hundredths));
        } catch (const BandError& error) {
          return error.what();
        }
        return "";
      },
      "");
}

const CLI::Validator kNotStandardOutput(
    [](std::string& value) -> std::string {
      return value == "-" ? "\"-\" is refused: standard output already carries the force" : "";
    },
    "");

// The help opens with the program's own synopsis, then says what the program does; an option
// shows only the kind of value it takes.
class HelpFormatter : public CLI::Formatter {
 public:
  std::string make_description(const CLI::App*) const override { return ""; }
  std::string make_usage(const CLI::App* app, std::string) const override {
    return usageSynopsis() + "\n" + app->get_description() + "\n";
  }
  std::string make_option_opts(const CLI::Option* option) const override {
    const std::string type = option->get_type_name();
    return type.empty() ? "" : " " + type;
  }
};

// What the options write to before they become CliOptions.
struct Values {
  CliOptions options;
  std::string seed, reroll, tables, out, checkTables, fitTables, collection, designs, skills,
      makeTables, points, tons, skillPoints, format = "text";
  bool odds = false;
  // Side b's options: `opponent` is --opponent itself.
  Selection opponentChoices{"Random", "Random", "Random", "Random"};
  std::string opponentReroll, opponentCollection, balanceBy;
  int handicap = kEvenHandicap;
  int tolerance = kFairTolerance;
  bool opponent = false;
  // The options that ask for an opposing force, and those that only shape its band.
  std::vector<CLI::Option*> sideB, balance;
};

// The help's opening, its footer, and how every option is read.
void describeProgram(CLI::App& app) {
  auto formatter = std::make_shared<HelpFormatter>();
  formatter->column_width(kHelpColumn);
  app.formatter(formatter);
  app.description(
      "Draws up a random force for a tabletop wargame and prints it: as text, the\n"
      "faction, size, weight and experience, then each lance or star after a line\n"
      "holding one blank, one line per slot: \"<design> P: <piloting> G: <gunnery>\".\n"
      "Words match without regard to letter case; a choice left out is Random.");
  app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  app.set_help_flag("-h,--help", "this text");
  app.set_version_flag("--version", "musterwright-cli " MUSTERWRIGHT_VERSION, "the version");
  app.footer("Exit status: 0 done, 1 a table, file or save failure, 2 a bad command line.");
}

// The four choice lists and --vehicles.
std::vector<CLI::Option*> describeChoices(CLI::App& app, Selection& choices) {
  const auto choice = [&](const char* name, std::string& word, ChoiceList list,
                          const std::string& more) {
    return app.add_option(name, word, listed(choiceWords(list), more))
        ->type_name("WORD")
        ->transform(oneOf(list));
  };
  return {
      choice("--faction", choices.house, ChoiceList::faction, ""),
      choice("--size", choices.size, ChoiceList::size, "(also Battalion, Regiment)"),
      choice("--weight", choices.weight, ChoiceList::weight, ""),
      choice("--experience", choices.experience, ChoiceList::experience, ""),
      app.add_flag("--vehicles", choices.withVehicles, "vehicles may fill slots (Include Vehicles)")
          ->disable_flag_override(),
  };
}

CLI::Option* describeSeed(CLI::App& app, std::string& seed) {
  return app
      .add_option("--seed", seed,
                  "seeds the dice (0 to 4294967295): the same seed and\n"
                  "choices give the same force. Without it (or with only\n"
                  "white space) a fresh seed is drawn and shown on\n"
                  "standard error as \"seed: N\".")
      ->type_name("N")
      ->check(kSeedCheck);
}

CLI::Option* describeReroll(CLI::App& app, std::string& reroll) {
  return app
      .add_option("--reroll", reroll,
                  "rolls groups (2), slots (3.1) and ranges of groups\n"
                  "(2-4, the same as 2,3,4) of the force again, in order:\n"
                  "\"2-4,3.1,2\". With the same seed and choices it draws\n"
                  "the same force again. JSON lists each group of a range.")
      ->type_name("LIST")
      ->check(kRerollCheck);
}

CLI::Option* describeTables(CLI::App& app, std::string& tables) {
  return app
      .add_option("--tables", tables,
                  "the table file; by default Tables.dat in the current\n"
                  "folder, beside the program, or in the installed data\n"
                  "folder")
      ->type_name("PATH");
}

CLI::Option* describeFormat(CLI::App& app, std::string& format) {
  return app
      .add_option("--format", format,
                  "text (the listing, the default), csv (one row per slot)\n"
                  "or json (one object)")
      ->type_name("WORD")
      ->transform(oneOf(kFormatWords,
                        [](std::string_view value) { return matchWord(kFormatWords, value); }));
}

// --collection and --unique, writing to `file` and `unique`.
std::vector<CLI::Option*> describeCollection(CLI::App& app, std::string& file, bool& unique) {
  return {
      app.add_option("--collection", file,
                     "draws only designs of the collection FILE, each copy\n"
                     "at most once per force (musterwright-collection(5)); a\n"
                     "slot whose table has none left stays open")
          ->type_name("FILE"),
      app.add_flag("--unique", unique,
                   "each design at most once per force (with --collection:\n"
                   "at most one of each owned design)")
          ->disable_flag_override(),
  };
}

// --designs, --totals and --skills, writing to `file`, `totals` and `skills`.
std::vector<CLI::Option*> describeDesigns(CLI::App& app, std::string& file, bool& totals,
                                          std::string& skills) {
  return {
      app.add_option("--designs", file,
                     "the tons and points of designs, a CSV file\n"
                     "(musterwright-designs(5)); by default Designs.csv beside\n"
                     "the table file or where Tables.dat is looked for;\n"
                     "\"none\" for none. JSON and CSV give each slot's numbers")
          ->type_name("FILE"),
      app.add_flag("--totals", totals,
                   "adds a blank line and the force's total tons and points\n"
                   "under the listing (text only)")
          ->disable_flag_override(),
      app.add_option("--skills", skills,
                     "the percent of a design's points each crew is worth, a\n"
                     "CSV file (musterwright-skills(5)); found as Designs.csv\n"
                     "is (Skills.csv); \"none\" for none. Totals, JSON and CSV\n"
                     "then give the points with crew skill too")
          ->type_name("FILE"),
  };
}

// --make-tables, which takes --tables, --out and --format and no other option of a force.
void describeMakeTables(CLI::App& app, std::string& list,
                        const std::vector<CLI::Option*>& excluded) {
  CLI::Option* make = app.add_option("--make-tables", list,
                                     "lays out the tables of the design list LIST over the\n"
                                     "table file (--tables) and writes the file to --out FILE\n"
                                     "or standard output, its report to standard error;\n"
                                     "with --format json the report as JSON on standard output")
                          ->type_name("LIST");
  for (CLI::Option* option : excluded) {
    const std::string name = option->get_name();
    if (name != "--tables" && name != "--format" && name != "--out") make->excludes(option);
  }
}

// --points, --tons and --skill-points, writing to `points`, `tons` and `skillPoints`.
std::vector<CLI::Option*> describeBudget(CLI::App& app, std::string& points, std::string& tons,
                                         std::string& skillPoints) {
  return {
      app.add_option("--points", points,
                     "draws a force whose total points lie in a band: LIMIT\n"
                     "(95 % of LIMIT, rounded down, to LIMIT) or LOW-HIGH;\n"
                     "needs a design list. With --odds: the band's chance")
          ->type_name("BAND")
          ->check(bandCheck(false)),
      app.add_option("--tons", tons,
                     "the same for the total tons (up to two decimals); with\n"
                     "--points both must hold")
          ->type_name("BAND")
          ->check(bandCheck(true)),
      app.add_option("--skill-points", skillPoints,
                     "the same for the total points with crew skill; needs a\n"
                     "skill table too. Every band given must hold")
          ->type_name("BAND")
          ->check(bandCheck(false)),
  };
}

CLI::Validator wholeNumberIn(int lowest, int highest) {
  return CLI::Validator(
      [lowest, highest](std::string& value) -> std::string {
        if (value.empty() || value.find_first_not_of("0123456789") != std::string::npos ||
            value.size() > 5 || std::stoi(value) < lowest || std::stoi(value) > highest)
          return "\"" + value + "\" is no whole number from " + std::to_string(lowest) + " to " +
                 std::to_string(highest);
        return "";
      },
      "");
}

// --opponent and the options of the opposing force, writing to `values`, keeping them in
// `values.sideB` and `values.balance`.
void describeOpponent(CLI::App& app, Values& values) {
  Selection& choices = values.opponentChoices;
  const auto choice = [&](const char* name, std::string& word, ChoiceList list, const char* side) {
    return app.add_option(name, word, std::string("the opposing force's ") + side)
        ->type_name("WORD")
        ->transform(oneOf(list));
  };
  values.sideB = {
      app.add_flag("--opponent", values.opponent,
                   "also draws an opposing force from the same seed, its\n"
                   "total within 5 % of the force's (--tolerance), under\n"
                   "\"Opposing force\" and a balance line; needs a design\n"
                   "list. Any --opponent-... option implies it")
          ->disable_flag_override(),
      choice("--opponent-faction", choices.house, ChoiceList::faction, "--faction"),
      choice("--opponent-size", choices.size, ChoiceList::size, "--size"),
      choice("--opponent-weight", choices.weight, ChoiceList::weight, "--weight"),
      choice("--opponent-experience", choices.experience, ChoiceList::experience, "--experience"),
      app.add_flag("--opponent-vehicles", choices.withVehicles,
                   "vehicles may fill the opposing force's slots")
          ->disable_flag_override(),
      app.add_option("--opponent-reroll", values.opponentReroll,
                     "--reroll for the opposing force, which keeps its band")
          ->type_name("LIST")
          ->check(kRerollCheck),
      app.add_option("--opponent-collection", values.opponentCollection,
                     "the opposing force draws only designs of FILE")
          ->type_name("FILE"),
      app.add_flag("--opponent-unique", choices.unique,
                   "each design at most once in the opposing force")
          ->disable_flag_override(),
  };
  values.balance = {
      app.add_option("--balance-by", values.balanceBy,
                     "what the sides' totals are matched in: points, tons or\n"
                     "skill-points (the default with a skill table, else\n"
                     "points)")
          ->type_name("WORD")
          ->transform(
              oneOf(kMeasureWords,
                    [](std::string_view value) { return matchWord(kMeasureWords, value); })),
      app.add_option("--handicap", values.handicap,
                     "the opposing force's share of the force's total in\n"
                     "percent, 10 to 1000 (default 100)")
          ->type_name("H")
          ->check(wholeNumberIn(kLowestHandicap, kHighestHandicap)),
      app.add_option("--tolerance", values.tolerance,
                     "how far in percent the opposing force may lie from its\n"
                     "share, 0 to 50 (default 5)")
          ->type_name("T")
          ->check(wholeNumberIn(0, kHighestTolerance)),
  };
}

// The opposing force the options ask for; none when no option of it was given. Throws UsageError
// for an option of its band without one.
std::optional<OpponentRequest> opponentOf(const CLI::App& app, const Values& values) {
  const auto given = [](const CLI::Option* option) { return option->count() > 0; };
  if (std::none_of(values.sideB.begin(), values.sideB.end(), given)) {
    const auto balance = std::find_if(values.balance.begin(), values.balance.end(), given);
    if (balance != values.balance.end())
      throw UsageError((*balance)->get_name() + ": there is no opposing force (--opponent)");
    return std::nullopt;
  }
  OpponentRequest request;
  request.choices = values.opponentChoices;
  request.rerolls = parseRerollItems(values.opponentReroll);
  if (app.count("--balance-by") > 0)
    request.measure = values.balanceBy == "tons"     ? Measure::tons
                      : values.balanceBy == "points" ? Measure::points
                                                     : Measure::skillPoints;
  request.handicap = values.handicap;
  request.tolerance = values.tolerance;
  return request;
}

// The options of musterwright-cli on `app`, writing to `values`, and which exclude which.
void describe(CLI::App& app, Values& values) {
  describeProgram(app);
  CLI::Option* seed = describeSeed(app, values.seed);
  CLI::Option* reroll = describeReroll(app, values.reroll);
  std::vector<CLI::Option*> generation = describeChoices(app, values.options.choices);
  generation.insert(generation.end(), {seed, reroll});
  for (CLI::Option* option :
       describeCollection(app, values.collection, values.options.choices.unique))
    generation.push_back(option);
  const std::vector<CLI::Option*> designs =
      describeDesigns(app, values.designs, values.options.totals, values.skills);
  generation.insert(generation.end(), designs.begin(), designs.end());
  for (CLI::Option* option : describeBudget(app, values.points, values.tons, values.skillPoints))
    generation.push_back(option);
  generation.insert(generation.end(),
                    {describeTables(app, values.tables), describeFormat(app, values.format)});
  CLI::Option* out = app.add_option("--out", values.out,
                                    "also saves the force to FILE in the chosen format (text:\n"
                                    "lines ended by CR LF), with --odds the odds as printed;\n"
                                    "never a file the run reads")
                         ->type_name("FILE")
                         ->check(kNotStandardOutput);
  CLI::Option* odds = app.add_flag("--odds", values.odds,
                                   "prints the exact odds of the choices instead of a force:\n"
                                   "each design's chance per table, and the force's make-up")
                          ->disable_flag_override();
  for (CLI::Option* excluded : {seed, reroll, designs[1]}) odds->excludes(excluded);
  describeOpponent(app, values);
  for (const std::vector<CLI::Option*>* options : {&values.sideB, &values.balance})
    for (CLI::Option* option : *options) {
      odds->excludes(option);
      generation.push_back(option);
    }
  CLI::Option* check = app.add_option("--check-tables", values.checkTables,
                                      "checks a table file and names every problem with its\n"
                                      "line; prints \"ok\" for a sound file")
                           ->type_name("[PATH]")
                           ->expected(0, 1);
  CLI::Option* fit = app.add_option("--fit-tables", values.fitTables,
                                    "writes the table file laid out to pass --check-tables,\n"
                                    "to --out FILE or standard output")
                         ->type_name("PATH");
  for (CLI::Option* option : generation) {
    check->excludes(option);
    fit->excludes(option);
  }
  for (CLI::Option* excluded : {odds, out, fit}) check->excludes(excluded);
  fit->excludes(odds);
  generation.insert(generation.end(), {odds, check, fit});
  describeMakeTables(app, values.makeTables, generation);
}

Format formatOf(const std::string& word) {
  return word == "csv" ? Format::csv : word == "json" ? Format::json : Format::text;
}

}  // namespace

CliOptions parseArguments(const std::vector<std::string>& args) {
  CLI::App app("", "musterwright-cli");
  Values values;
  describe(app, values);
  std::vector<std::string> reversed(args.rbegin(), args.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    values.options.mode = Mode::help;
    return values.options;
  } catch (const CLI::CallForVersion&) {
    values.options.mode = Mode::version;
    return values.options;
  } catch (const CLI::ParseError& error) {
    throw UsageError(error.what());
  }
  CliOptions options = values.options;
  options.seed = readSeed(values.seed);
  options.rerolls = parseRerollItems(values.reroll);
  if (app.count("--tables") > 0) options.tables = values.tables;
  if (app.count("--out") > 0) options.out = values.out;
  if (app.count("--collection") > 0) options.collection = values.collection;
  if (app.count("--designs") > 0) options.designs = values.designs;
  if (app.count("--skills") > 0) options.skills = values.skills;
  options.format = formatOf(values.format);
  if (app.count("--points") > 0) options.budget.points = readBand(values.points, false);
  if (app.count("--tons") > 0) options.budget.tonsHundredths = readBand(values.tons, true);
  if (app.count("--skill-points") > 0)
    options.budget.skillPoints = readBand(values.skillPoints, false);
  options.opponent = opponentOf(app, values);
  if (app.count("--opponent-collection") > 0)
    options.opponentCollection = values.opponentCollection;
  if (app.count("--check-tables") > 0) {
    options.mode = Mode::checkTables;
    if (!values.checkTables.empty()) options.tables = values.checkTables;
  } else if (app.count("--fit-tables") > 0) {
    options.mode = Mode::fitTables;
    options.tables = values.fitTables;
  } else if (app.count("--make-tables") > 0) {
    options.mode = Mode::makeTables;
    options.designs = values.makeTables;
    if (options.format == Format::csv)
      throw UsageError("--make-tables: --format is text or json; the table file is no CSV");
    if (options.format == Format::json && !options.out)
      throw UsageError(
          "--make-tables: --format json writes the report on standard output, so the table "
          "file needs --out FILE");
  } else if (values.odds) {
    options.mode = Mode::odds;
  }
  return options;
}

std::string usageSynopsis() {
  return "Usage: musterwright-cli [--faction WORD] [--size WORD] [--weight WORD]\n"
         "                        [--experience WORD] [--vehicles] [--seed N]\n"
         "                        [--reroll LIST] [--collection FILE] [--unique]\n"
         "                        [--designs FILE|none] [--skills FILE|none] [--totals]\n"
         "                        [--points BAND] [--tons BAND] [--skill-points BAND]\n"
         "                        [--tables PATH] [--format text|csv|json] [--out FILE]\n"
         "                        [--opponent] [--opponent-faction WORD]\n"
         "                        [--opponent-size WORD] [--opponent-weight WORD]\n"
         "                        [--opponent-experience WORD] [--opponent-vehicles]\n"
         "                        [--opponent-reroll LIST] [--opponent-collection FILE]\n"
         "                        [--opponent-unique] [--balance-by WORD]\n"
         "                        [--handicap H] [--tolerance T]\n"
         "       musterwright-cli --odds [--faction WORD] [--size WORD] [--weight WORD]\n"
         "                        [--experience WORD] [--vehicles] [--collection FILE]\n"
         "                        [--unique] [--designs FILE|none] [--skills FILE|none]\n"
         "                        [--points BAND] [--tons BAND] [--skill-points BAND]\n"
         "                        [--tables PATH] [--format text|csv|json] [--out FILE]\n"
         "       musterwright-cli --check-tables [PATH]\n"
         "       musterwright-cli --fit-tables PATH [--out FILE]\n"
         "       musterwright-cli --make-tables LIST [--tables PATH] [--out FILE]\n"
         "                        [--format text|json]\n"
         "       musterwright-cli -h | --help | --version\n";
}

std::string helpText() {
  CLI::App app("", "musterwright-cli");
  Values values;
  describe(app, values);
  return app.help();
}
