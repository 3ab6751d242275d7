// The command line of musterwright-cli: what one run is asked to do. Parsing touches no file
// and prints nothing; a command line that cannot be run comes back as a UsageError whose
// message says what is wrong and what is allowed.
#ifndef MUSTERWRIGHT_CLI_OPTIONS_H
#define MUSTERWRIGHT_CLI_OPTIONS_H

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

enum class Mode { generate, checkTables, help, version };

// One run. The four choices hold words of their lists in the lists' own spelling, "Random"
// when not given. `tables` is the table file of --tables or --check-tables, when named.
struct CliOptions {
  Mode mode = Mode::generate;
  std::string faction = "Random";
  std::string size = "Random";
  std::string weight = "Random";
  std::string experience = "Random";
  bool vehicles = false;
  std::optional<std::uint32_t> seed;
  std::optional<std::string> tables;
  std::optional<std::string> out;
};

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads the arguments after the program name. Choice words match without regard to letter
// case; a later option overrides an earlier one. --help and --version end the reading. An
// option's value is the next argument, or follows "=" in the same one ("--seed=7").
CliOptions parseArguments(const std::vector<std::string>& args);

// The synopsis, shown with every usage error.
std::string usageSynopsis();

// The full --help text: the synopsis, every option and the words of every list.
std::string helpText();

#endif
