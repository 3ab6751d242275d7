#include "cli/options.h"

#include <algorithm>
#include <charconv>
#include <span>
#include <string_view>
#include <utility>

#include "generator/choice_lists.h"

namespace {

// ASCII letters only, so the match never depends on the locale.
char lowerCase(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return lowerCase(x) == lowerCase(y); });
}

std::string wordList(std::span<const char* const> words) {
  std::string text;
  for (const char* word : words) text += (text.empty() ? "" : ", ") + std::string(word);
  return text;
}

// The words as a help entry: `label` padded to the words' column, broken before 80 columns.
std::string helpEntry(const std::string& label, std::span<const char* const> words) {
  constexpr std::size_t kColumn = 21;
  constexpr std::size_t kWidth = 80;
  std::string text = label + std::string(kColumn - label.size(), ' ');
  std::size_t lineStart = 0;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string word = std::string(words[i]) + (i + 1 < words.size() ? "," : "");
    if (i > 0 && text.size() - lineStart + 1 + word.size() >= kWidth) {
      lineStart = text.size() + 1;
      text += "\n" + std::string(kColumn, ' ');
    } else if (i > 0) {
      text += ' ';
    }
    text += word;
  }
  return text + "\n";
}

// The list's own spelling of `word`; `option` names the option in the message when it is in
// no list.
std::string matchChoice(const std::string& option, const std::string& word,
                        std::span<const char* const> words) {
  for (const char* candidate : words)
    if (sameIgnoringCase(word, candidate)) return candidate;
  throw UsageError(option + " takes one of " + wordList(words) + "; \"" + word +
                   "\" is none of them");
}

std::uint32_t parseSeed(const std::string& text) {
  std::uint32_t seed = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, seed);
  if (text.empty() || error != std::errc() || stop != end) {
    throw UsageError("--seed takes a whole number from 0 to 4294967295; \"" + text +
                     "\" is not one");
  }
  return seed;
}

// Hands out the arguments one by one, and the values of the options that take one.
class ArgumentReader {
 public:
  explicit ArgumentReader(const std::vector<std::string>& args) : args_(args) {}

  bool done() const { return next_ == args_.size(); }

  // The next argument's option name; a value written "--name=value" is kept for value().
  std::string option() {
    std::string arg = args_[next_++];
    inlineValue_.reset();
    const std::size_t equals = arg.find('=');
    if (arg.starts_with("--") && equals != std::string::npos) {
      inlineValue_ = arg.substr(equals + 1);
      arg.resize(equals);
    }
    return arg;
  }

  // The value of `option`; `what` names the kind of value for the message when it is missing.
  std::string value(const std::string& option, const std::string& what) {
    if (inlineValue_) return *std::exchange(inlineValue_, std::nullopt);
    if (done() || args_[next_].starts_with("--")) throw UsageError(option + " needs " + what);
    return args_[next_++];
  }

  // The value of an option whose value may be left out.
  std::optional<std::string> optionalValue() {
    if (inlineValue_) return std::exchange(inlineValue_, std::nullopt);
    if (done() || args_[next_].starts_with("--")) return std::nullopt;
    return args_[next_++];
  }

  // Rejects a value given with "=" to an option that takes none.
  void noValue(const std::string& option) const {
    if (inlineValue_) throw UsageError(option + " takes no value");
  }

 private:
  const std::vector<std::string>& args_;
  std::size_t next_ = 0;
  std::optional<std::string> inlineValue_;
};

}  // namespace

CliOptions parseArguments(const std::vector<std::string>& args) {
  CliOptions options;
  bool generating = false;
  ArgumentReader reader(args);
  while (!reader.done()) {
    const std::string option = reader.option();
    if (option == "--help" || option == "--version") {
      reader.noValue(option);
      options.mode = option == "--help" ? Mode::help : Mode::version;
      return options;
    }
    if (option == "--check-tables") {
      options.mode = Mode::checkTables;
      if (const std::optional<std::string> path = reader.optionalValue()) options.tables = path;
      continue;
    }
    generating = true;
    if (option == "--faction") {
      options.faction = matchChoice(option, reader.value(option, "a faction"), kFactionChoices);
    } else if (option == "--size") {
      options.size = matchChoice(option, reader.value(option, "a unit size"), kSizeChoices);
    } else if (option == "--weight") {
      options.weight = matchChoice(option, reader.value(option, "a weight"), kWeightChoices);
    } else if (option == "--experience") {
      options.experience =
          matchChoice(option, reader.value(option, "an experience"), kExperienceChoices);
    } else if (option == "--vehicles") {
      reader.noValue(option);
      options.vehicles = true;
    } else if (option == "--seed") {
      options.seed = parseSeed(reader.value(option, "a number from 0 to 4294967295"));
    } else if (option == "--tables") {
      options.tables = reader.value(option, "a file name");
    } else if (option == "--out") {
      options.out = reader.value(option, "a file name");
    } else if (option.starts_with("-")) {
      throw UsageError("unknown option \"" + option + "\"");
    } else {
      throw UsageError("unexpected argument \"" + option + "\"");
    }
  }
  if (options.mode == Mode::checkTables && generating)
    throw UsageError("--check-tables takes only the path of a table file");
  return options;
}

std::string usageSynopsis() {
  return "Usage: musterwright-cli [--faction WORD] [--size WORD] [--weight WORD]\n"
         "                        [--experience WORD] [--vehicles] [--seed N]\n"
         "                        [--tables PATH] [--out FILE]\n"
         "       musterwright-cli --check-tables [PATH]\n"
         "       musterwright-cli --help | --version\n";
}

std::string helpText() {
  return usageSynopsis() +
         "\n"
         "Draws up a random force for a tabletop wargame and prints its listing: the\n"
         "faction, size, weight and experience, then each lance or star after a line\n"
         "holding one blank, one line per slot: \"<design> P: <piloting> G: <gunnery>\".\n"
         "\n" +
         helpEntry("  --faction WORD", kFactionChoices) + helpEntry("  --size WORD", kSizeChoices) +
         helpEntry("  --weight WORD", kWeightChoices) +
         helpEntry("  --experience WORD", kExperienceChoices) +
         "                     Words match without regard to letter case; a choice\n"
         "                     left out is Random.\n"
         "  --vehicles         vehicles may fill slots (Include Vehicles)\n"
         "  --seed N           seeds the dice (0 to 4294967295): the same seed and\n"
         "                     choices give the same force. Without it a fresh seed is\n"
         "                     drawn and shown on standard error as \"seed: N\".\n"
         "  --tables PATH      the table file; by default Tables.dat in the current\n"
         "                     folder, beside the program, or in the installed data\n"
         "                     folder\n"
         "  --out FILE         also saves the listing to FILE, lines ended by CR LF\n"
         "  --check-tables [PATH]\n"
         "                     checks a table file and names every problem with its line;\n"
         "                     prints \"ok\" for a sound file\n"
         "  --help, --version  this text; the version\n"
         "\n"
         "Exit status: 0 done, 1 a table, file or save failure, 2 a bad command line.\n";
}
