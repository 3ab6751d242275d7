// SPDX-License-Identifier: MIT
#include "odds/budget_odds.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <complex>
#include <limits>
#include <map>
#include <numbers>
#include <numeric>
#include <set>
#include <stdexcept>
#include <tuple>
#include <utility>

#include "generator/choice_check.h"
#include "generator/force.h"
#include "generator/owned_draw.h"
#include "generator/rule_tables.h"
#include "odds/drawn_tables.h"
#include "odds/force_odds.h"
#include "odds/rule_outcomes.h"
#include "odds/tally.h"

namespace {

// One total: points, tons in hundredths, and points with crew skill.
struct Total {
  std::int64_t points = 0;
  std::int64_t tons = 0;
  std::int64_t skill = 0;
  bool operator<(const Total& other) const {
    return std::tie(points, tons, skill) < std::tie(other.points, other.tons, other.skill);
  }
};

// How a force's total comes about, as a list of nodes, each after the parts it uses and the
// whole force last: a slot's draw (its totals with their chances), a sum of independent parts,
// a mix that takes one part with its chance, or a repeat adding `times` independent copies of
// its one part.
struct Node {
  enum class Kind { slot, sum, mix, repeat } kind = Kind::slot;
  std::vector<std::pair<Total, Fraction>> outcomes;
  std::vector<std::pair<int, Fraction>> parts;
  int times = 0;
};

struct TotalTree {
  std::vector<Node> nodes;
  bool singleGroup = true;
  std::vector<std::string> lacking;
  std::set<CrewPair> lackingCrews;
  // The design of each outcome of each slot node, by the node's place ("" for an open slot).
  std::map<std::size_t, std::vector<std::string>> slotDesigns;
};

// The crews of one slot: the skill table of the force's experience, rolled by a House or a Clan
// crew; no table while crews are not counted.
struct Crews {
  const RuleTable<SkillRow>* table = nullptr;
  bool clan = false;
};

// Builds the tree from the rule tables and the table file, walking the dice as a run rolls them.
class TreeBuilder {
 public:
  TreeBuilder(const Selection& choices, const std::string& bytes, std::string_view fileName,
              const DesignList& designs, const BudgetBand& band, const SkillTable* skills)
      : choices_(choices),
        text_(bytes, std::string(fileName)),
        designs_(designs),
        band_(band),
        skills_(skills) {}

  TotalTree build() {
    // The experience is rolled once a force, so it is chosen above everything it applies to.
    Tally<std::string> experiences;
    if (skills_)
      experiences = experienceOutcomes(choices_.experience);
    else
      experiences.add("", Fraction(1));
    Tally<int> units;
    for (const auto& [experience, experienceChance] : experiences.entries()) {
      experience_ = experience;
      for (const FactionOutcome& faction : factionOutcomes(choices_.house)) {
        const std::streamoff start = text_.factionStart(faction.word);
        crews_ = {skills_ ? crewSkillTable(experience) : nullptr, faction.clan};
        for (const SizeOutcome& size : sizeOutcomes(choices_.size, faction.clan)) {
          if (size.groups != 1) tree_.singleGroup = false;
          const Tally<std::string> weights =
              weightOutcomes(choices_.weight, size.groups, faction.clan);
          for (const auto& [weight, chance] : weights.entries())
            units.add(unit(faction, start, size.groups, weight),
                      experienceChance * faction.chance * size.chance * chance);
        }
      }
    }
    Node root{Node::Kind::mix, {}, units.entries(), 0};
    add(std::move(root));
    return std::move(tree_);
  }

  // The tree of `part` alone, its node last.
  TotalTree buildPart(const ForcePart& part) {
    const FactionOutcome faction{part.faction, part.clan, Fraction(1)};
    const std::streamoff start = text_.factionStart(faction.word);
    experience_ = part.experience;
    crews_ = {skills_ ? crewSkillTable(part.experience) : nullptr, part.clan};
    if (part.slotWeight.empty()) {
      group(faction, start, part.groupWeight);
    } else if (const char* armour = battleArmourName(part.slotWeight)) {
      Node suit{Node::Kind::slot, {}, {}, 0};
      addDesign(suit.outcomes, armour, Fraction(1));
      add(std::move(suit));
    } else {
      slot(faction, start, part.slotWeight);
    }
    tree_.lacking.clear();
    tree_.lackingCrews.clear();
    return std::move(tree_);
  }

 private:
  int add(Node node) {
    if (node.kind == Node::Kind::slot)
      tree_.slotDesigns[tree_.nodes.size()] = std::exchange(slotNames_, {});
    tree_.nodes.push_back(std::move(node));
    return static_cast<int>(tree_.nodes.size()) - 1;
  }

  // The totals of a draw of `name`, `chance` of the slot's draws, added to `outcomes` (and its
  // name to the slot's names): with the crews counted, one for each crew the slot's experience
  // rolls.
  void addDesign(std::vector<std::pair<Total, Fraction>>& outcomes, const std::string& name,
                 const Fraction& chance) {
    const DesignNumbers* row = designs_.find(name);
    const bool lacksPoints = (band_.points || band_.skillPoints) && (!row || !row->points);
    const bool lacksTons = band_.tonsHundredths && (!row || !row->tonsHundredths);
    if ((lacksPoints || lacksTons) &&
        std::find(tree_.lacking.begin(), tree_.lacking.end(), name) == tree_.lacking.end())
      tree_.lacking.push_back(name);
    const std::optional<std::int64_t> points = row ? row->points : std::nullopt;
    const Total total{points.value_or(0), row ? row->tonsHundredths.value_or(0) : 0, 0};
    if (!crews_.table) {
      outcomes.emplace_back(total, chance);
      slotNames_.push_back(name);
      return;
    }
    for (const RowOutcome<SkillRow>& crew : outcomesOf(*crews_.table, Roller{crews_.clan})) {
      const char piloting = crew.row->piloting, gunnery = crew.row->gunnery;
      if (band_.skillPoints && !skills_->percentOf(piloting, gunnery))
        tree_.lackingCrews.insert({piloting - '0', gunnery - '0'});
      Total crewed = total;
      crewed.skill = skills_->pointsOf(points, piloting, gunnery).value_or(0);
      outcomes.emplace_back(crewed, chance * Fraction(crew.ways, crew.outOf));
      slotNames_.push_back(name);
    }
  }

  // One draw from a table, `share` of the slot's draws: the owned designs with their weight over
  // the owned weight, or an open slot (nothing) when none is owned.
  void addDraws(Node& slot, std::streamoff start, const std::string& weight, const char* section,
                const Fraction& share) {
    const DrawnTable& table = text_.table(start, weight, section);
    const bool owned = drawsFromOwned(choices_.collection, choices_.unique);
    std::vector<std::pair<std::string, Fraction>> draws;
    Fraction drawnWeight;
    for (const auto& [name, chance] : table.designs) {
      if (owned && copiesOwned(choices_.collection, choices_.unique, name) == 0) continue;
      draws.emplace_back(name, chance);
      drawnWeight += chance;
    }
    if (draws.empty()) slot.outcomes.emplace_back(Total{}, share);
    if (draws.empty()) slotNames_.emplace_back();
    for (const auto& [name, chance] : draws)
      addDesign(slot.outcomes, name, share * chance / drawnWeight);
  }

  int slot(const FactionOutcome& faction, std::streamoff start, const std::string& weight) {
    const auto key = std::make_tuple(faction.word, weight, experience_);
    if (const auto known = slots_.find(key); known != slots_.end()) return known->second;
    Fraction vehicleShare;
    if (choices_.withVehicles) {
      forEachRow(outcomesOf(kVehicleRolls), [&](const VehicleRow& row, const Fraction& chance) {
        if (row.vehicle) vehicleShare += chance;
      });
    }
    Node node;
    if (vehicleShare != Fraction(1))
      addDraws(node, start, weight, "the faction's section",
               Fraction(1) + vehicleShare * Fraction(-1));
    if (vehicleShare != Fraction(0))
      addDraws(node, vehicleStart, weight, "the vehicle section", vehicleShare);
    return slots_[key] = add(std::move(node));
  }

  int group(const FactionOutcome& faction, std::streamoff start, const std::string& groupWeight) {
    const auto key = std::make_tuple(faction.word, groupWeight, experience_);
    if (const auto known = groups_.find(key); known != groups_.end()) return known->second;
    const int slots = groupSizeFor(faction.clan);
    if (const char* armour = battleArmourName(groupWeight)) {
      Node suit{Node::Kind::slot, {}, {}, 0};
      addDesign(suit.outcomes, armour, Fraction(1));
      const int one = add(std::move(suit));
      return groups_[key] = add(Node{Node::Kind::repeat, {}, {{one, Fraction(1)}}, slots});
    }
    Node mix{Node::Kind::mix, {}, {}, 0};
    for (const CompositionOutcome& row : compositionOutcomes(faction.clan, groupWeight)) {
      Node sum{Node::Kind::sum, {}, {}, 0};
      for (const char* weight : row.slotWeights)
        sum.parts.emplace_back(slot(faction, start, weight), 1);
      mix.parts.emplace_back(add(std::move(sum)), Fraction(row.ways, row.outOf));
    }
    return groups_[key] = add(std::move(mix));
  }

  // The groups of a unit of two or more: a mix over the rows of its formation table, each the
  // sum of its groups, repeated once for each roll.
  int unit(const FactionOutcome& faction, std::streamoff start, int groups,
           const std::string& weight) {
    const UnitFormation formation = formationFor(groups, faction.clan);
    if (!formation.table) return group(faction, start, weight);
    Node mix{Node::Kind::mix, {}, {}, 0};
    forEachRow(outcomesOf(*formation.table), [&](const FormationRow& row, const Fraction& chance) {
      Node sum{Node::Kind::sum, {}, {}, 0};
      for (const char* groupWeight : groupsOf(row))
        sum.parts.emplace_back(group(faction, start, groupWeight), 1);
      mix.parts.emplace_back(add(std::move(sum)), chance);
    });
    const int rows = add(std::move(mix));
    if (formation.rolls == 1) return rows;
    return add(Node{Node::Kind::repeat, {}, {{rows, Fraction(1)}}, formation.rolls});
  }

  const Selection& choices_;
  DrawnTables text_;
  const DesignList& designs_;
  const BudgetBand& band_;
  const SkillTable* skills_;
  std::string experience_;
  Crews crews_;
  TotalTree tree_;
  std::vector<std::string> slotNames_;  // of the slot node being built
  std::map<std::tuple<std::string, std::string, std::string>, int> slots_, groups_;
};

TotalTree totalTree(const Selection& given, const std::string& bytes, std::string_view fileName,
                    const DesignList& designs, const BudgetBand& band, const SkillTable* skills) {
  Selection choices;
  try {
    choices = checkedChoices(given);
  } catch (const SelectionError& error) {
    throw OddsError(error.what());
  }
  return TreeBuilder(choices, bytes, fileName, designs, band, skills).build();
}

// Every node's value under `algebra`, the last (the whole force's) returned.
template <class Algebra>
typename Algebra::Value evaluate(const std::vector<Node>& nodes, const Algebra& algebra) {
  using Value = typename Algebra::Value;
  std::vector<Value> values;
  values.reserve(nodes.size());
  for (const Node& node : nodes) {
    switch (node.kind) {
      case Node::Kind::slot:
        if constexpr (requires { algebra.slotAt(values.size(), node.outcomes); }) {
          values.push_back(algebra.slotAt(values.size(), node.outcomes));
        } else {
          values.push_back(algebra.slot(node.outcomes));
        }
        break;
      case Node::Kind::sum: {
        Value total = values[static_cast<std::size_t>(node.parts.front().first)];
        for (std::size_t k = 1; k < node.parts.size(); ++k)
          total = algebra.sum(total, values[static_cast<std::size_t>(node.parts[k].first)]);
        values.push_back(std::move(total));
        break;
      }
      case Node::Kind::mix: {
        std::vector<std::pair<const Value*, Fraction>> parts;
        for (const auto& [part, chance] : node.parts)
          parts.emplace_back(&values[static_cast<std::size_t>(part)], chance);
        values.push_back(algebra.mix(parts));
        break;
      }
      case Node::Kind::repeat:
        values.push_back(
            algebra.repeat(values[static_cast<std::size_t>(node.parts.front().first)], node.times));
        break;
    }
  }
  return values.back();
}

// The three numbers of a total, each with what a band holds of it.
constexpr std::int64_t Total::*kNumbers[] = {&Total::points, &Total::tons, &Total::skill};
constexpr std::optional<NumberRange> BudgetBand::*kRanges[] = {
    &BudgetBand::points, &BudgetBand::tonsHundredths, &BudgetBand::skillPoints};
constexpr std::size_t kNumberCount = 3;

// Whether `total` lies within every number `band` holds.
bool holdsTotal(const BudgetBand& band, const Total& total) {
  for (std::size_t n = 0; n < kNumberCount; ++n)
    if (const std::optional<NumberRange>& range = band.*kRanges[n];
        range && !range->holds(total.*kNumbers[n]))
      return false;
  return true;
}

// Lowest, highest and mean of each number.
struct ReachAlgebra {
  using Value = std::array<TotalReach, kNumberCount>;
  static void widen(TotalReach& reach, std::int64_t total, bool first) {
    reach.lowest = first ? total : std::min(reach.lowest, total);
    reach.highest = first ? total : std::max(reach.highest, total);
  }
  Value slot(const std::vector<std::pair<Total, Fraction>>& outcomes) const {
    Value value;
    bool first = true;
    for (const auto& [total, chance] : outcomes) {
      for (std::size_t n = 0; n < kNumberCount; ++n) {
        widen(value[n], total.*kNumbers[n], first);
        value[n].mean += chance.value() * static_cast<double>(total.*kNumbers[n]);
      }
      first = false;
    }
    return value;
  }
  Value sum(const Value& a, const Value& b) const {
    Value value;
    for (std::size_t n = 0; n < kNumberCount; ++n)
      value[n] = {a[n].lowest + b[n].lowest, a[n].highest + b[n].highest, a[n].mean + b[n].mean};
    return value;
  }
  Value mix(const std::vector<std::pair<const Value*, Fraction>>& parts) const {
    Value value;
    bool first = true;
    for (const auto& [part, chance] : parts) {
      for (std::size_t n = 0; n < kNumberCount; ++n) {
        widen(value[n], (*part)[n].lowest, first);
        widen(value[n], (*part)[n].highest, false);
        value[n].mean += chance.value() * (*part)[n].mean;
      }
      first = false;
    }
    return value;
  }
  Value repeat(const Value& part, int times) const {
    Value value;
    for (std::size_t n = 0; n < kNumberCount; ++n)
      value[n] = {part[n].lowest * times, part[n].highest * times, part[n].mean * times};
    return value;
  }
};

// Exact chances of each total, a total above the band's high end kept as that end plus one, and
// a number the band leaves out kept as 0: small enough for a single group.
struct ExactAlgebra {
  using Value = std::map<Total, Fraction>;
  const BudgetBand& band;

  Total kept(Total total) const {
    for (std::size_t n = 0; n < kNumberCount; ++n) {
      const std::optional<NumberRange>& range = band.*kRanges[n];
      total.*kNumbers[n] = range ? std::min(total.*kNumbers[n], range->high + 1) : 0;
    }
    return total;
  }
  Value slot(const std::vector<std::pair<Total, Fraction>>& outcomes) const {
    Value value;
    for (const auto& [total, chance] : outcomes) value[kept(total)] += chance;
    return value;
  }
  Value sum(const Value& a, const Value& b) const {
    Value value;
    for (const auto& [x, p] : a)
      for (const auto& [y, q] : b)
        value[kept({x.points + y.points, x.tons + y.tons, x.skill + y.skill})] += p * q;
    return value;
  }
  Value mix(const std::vector<std::pair<const Value*, Fraction>>& parts) const {
    Value value;
    for (const auto& [part, chance] : parts)
      for (const auto& [total, p] : *part) value[total] += p * chance;
    return value;
  }
  Value repeat(const Value& part, int times) const {
    Value value = part;
    for (int k = 1; k < times; ++k) value = sum(value, part);
    return value;
  }
};

// The exact expected points with crew skill.
struct ExpectedSkillAlgebra {
  using Value = Fraction;
  Value slot(const std::vector<std::pair<Total, Fraction>>& outcomes) const {
    Fraction value;
    for (const auto& [total, chance] : outcomes) value += chance * Fraction(total.skill);
    return value;
  }
  Value sum(const Value& a, const Value& b) const { return a + b; }
  Value mix(const std::vector<std::pair<const Value*, Fraction>>& parts) const {
    Fraction value;
    for (const auto& [part, chance] : parts) value += *part * chance;
    return value;
  }
  Value repeat(const Value& part, int times) const { return part * Fraction(times); }
};

// ExactAlgebra's chances of each total beside, for each design, its expected slots jointly with
// each total: E[slots holding it, total = t]. The design "" counts every slot, open or not, so
// a design's share of the slots of the forces with some totals is its figure over that of "".
struct ShareAlgebra {
  using Chances = std::map<Total, Fraction>;
  struct Value {
    Chances chances;
    std::map<std::string, Chances> slots;
  };
  ExactAlgebra totals;
  const std::map<std::size_t, std::vector<std::string>>& designs;

  Value slotAt(std::size_t node, const std::vector<std::pair<Total, Fraction>>& outcomes) const {
    Value value;
    const std::vector<std::string>& names = designs.at(node);
    for (std::size_t k = 0; k < outcomes.size(); ++k) {
      const auto& [total, chance] = outcomes[k];
      value.chances[totals.kept(total)] += chance;
      value.slots[""][totals.kept(total)] += chance;
      if (!names[k].empty()) value.slots[names[k]][totals.kept(total)] += chance;
    }
    return value;
  }
  Value sum(const Value& a, const Value& b) const {
    Value value{totals.sum(a.chances, b.chances), {}};
    for (const auto& [design, counts] : a.slots)
      value.slots[design] = totals.sum(counts, b.chances);
    for (const auto& [design, counts] : b.slots)
      for (const auto& [total, count] : totals.sum(a.chances, counts))
        value.slots[design][total] += count;
    return value;
  }
  Value mix(const std::vector<std::pair<const Value*, Fraction>>& parts) const {
    Value value;
    for (const auto& [part, chance] : parts) {
      for (const auto& [total, p] : part->chances) value.chances[total] += p * chance;
      for (const auto& [design, counts] : part->slots)
        for (const auto& [total, count] : counts) value.slots[design][total] += count * chance;
    }
    return value;
  }
  Value repeat(const Value& part, int times) const {
    Value value = part;
    for (int k = 1; k < times; ++k) value = sum(value, part);
    return value;
  }
};

// The numbers as one whole number: each number divided by its step (the common factor of its
// values; a number the band leaves out counts as 0), the tons' steps first, then the points'
// times the tons' span, then the points with crew skill times both spans. Adding totals adds
// their codes. Totals from the lowest to the highest take fewer than `size` codes in a row, so
// each keeps a place of its own modulo `size`.
struct TotalCode {
  std::array<std::int64_t, kNumberCount> steps{1, 1, 1};
  std::array<std::int64_t, kNumberCount> spans{1, 1, 1};
  std::int64_t size = 1;
  // What one step of number `n` adds to a code.
  std::int64_t weight(std::size_t n) const {
    static constexpr std::size_t kOrder[] = {1, 0, 2};  // tons, points, skill
    std::int64_t weight = 1;
    for (std::size_t k = 0; kOrder[k] != n; ++k) weight *= spans[kOrder[k]];
    return weight;
  }
  std::int64_t code(const Total& total) const {
    std::int64_t code = 0;
    for (std::size_t n = 0; n < kNumberCount; ++n)
      code += total.*kNumbers[n] / steps[n] * weight(n);
    return code;
  }
};

// The steps, spans and size from the tree's slots and reach; none when the codes would be more
// than kMostBandTotals.
std::optional<TotalCode> totalCode(const TotalTree& tree, const BudgetBand& band,
                                   const ReachAlgebra::Value& reach) {
  std::array<std::int64_t, kNumberCount> steps{0, 0, 0};
  for (const Node& node : tree.nodes)
    for (const auto& [total, chance] : node.outcomes)
      for (std::size_t n = 0; n < kNumberCount; ++n)
        steps[n] = std::gcd(steps[n], total.*kNumbers[n]);
  TotalCode code;
  std::int64_t codes = 1;
  for (std::size_t n = 0; n < kNumberCount; ++n) {
    code.steps[n] = band.*kRanges[n] ? std::max<std::int64_t>(steps[n], 1) : reach[n].highest + 1;
    code.spans[n] = reach[n].highest / code.steps[n] - reach[n].lowest / code.steps[n] + 1;
    if (code.spans[n] > kMostBandTotals / codes) return std::nullopt;
    codes *= code.spans[n];
  }
  code.size = static_cast<std::int64_t>(std::bit_ceil(static_cast<std::uint64_t>(codes)));
  return code;
}

// The transform of the chances of the force's totals, F(f) = sum of p(code) e^(-2 pi i code f /
// size), at frequencies [first, first + count): every step of the tree works on each frequency
// alone, so the frequencies are taken a few at a time, each node's share kept in `values`.
void transformPart(const std::vector<Node>& nodes, const TotalCode& code, std::int64_t first,
                   std::int64_t count, std::vector<std::vector<std::complex<double>>>& values) {
  const double turn = -2 * std::numbers::pi / static_cast<double>(code.size);
  const auto root = [&](std::int64_t exponent) {
    return std::polar(1.0, turn * static_cast<double>(exponent & (code.size - 1)));
  };
  const auto n = static_cast<std::size_t>(count);
  for (std::size_t k = 0; k < nodes.size(); ++k) {
    const Node& node = nodes[k];
    std::vector<std::complex<double>>& value = values[k];
    value.assign(n, node.kind == Node::Kind::sum ? 1.0 : 0.0);
    const auto part = [&](std::size_t p) -> const std::vector<std::complex<double>>& {
      return values[static_cast<std::size_t>(node.parts[p].first)];
    };
    switch (node.kind) {
      case Node::Kind::slot:
        for (const auto& [total, chance] : node.outcomes) {
          const std::int64_t c = code.code(total) & (code.size - 1);
          const std::complex<double> step = root(c);
          std::complex<double> z = root(c * first) * chance.value();
          for (std::size_t f = 0; f < n; ++f, z *= step) value[f] += z;
        }
        break;
      case Node::Kind::sum:
        for (std::size_t p = 0; p < node.parts.size(); ++p)
          for (std::size_t f = 0; f < n; ++f) value[f] *= part(p)[f];
        break;
      case Node::Kind::mix:
        for (std::size_t p = 0; p < node.parts.size(); ++p) {
          const double chance = node.parts[p].second.value();
          for (std::size_t f = 0; f < n; ++f) value[f] += chance * part(p)[f];
        }
        break;
      case Node::Kind::repeat:
        for (std::size_t f = 0; f < n; ++f) {
          std::complex<double> power(1), base = part(0)[f];
          for (int times = node.times; times > 0; times >>= 1, base *= base)
            if (times & 1) power *= base;
          value[f] = power;
        }
        break;
    }
  }
}

// The inverse transform, in place (radix 2; the size a power of two).
void inverseTransform(std::vector<std::complex<double>>& values) {
  const std::size_t n = values.size();
  for (std::size_t i = 1, j = 0; i < n; ++i) {
    std::size_t bit = n >> 1;
    for (; j & bit; bit >>= 1) j ^= bit;
    j ^= bit;
    if (i < j) std::swap(values[i], values[j]);
  }
  for (std::size_t length = 2; length <= n; length <<= 1) {
    const double angle = 2 * std::numbers::pi / static_cast<double>(length);
    std::vector<std::complex<double>> turns(length / 2);
    for (std::size_t k = 0; k < length / 2; ++k)
      turns[k] = std::polar(1.0, angle * static_cast<double>(k));
    for (std::size_t i = 0; i < n; i += length) {
      for (std::size_t k = 0; k < length / 2; ++k) {
        const std::complex<double> even = values[i + k];
        const std::complex<double> odd = values[i + k + length / 2] * turns[k];
        values[i + k] = even + odd;
        values[i + k + length / 2] = even - odd;
      }
    }
  }
  for (auto& value : values) value /= static_cast<double>(n);
}

// Frequencies taken at a time: every node's share stays small.
constexpr std::int64_t kFrequencyChunk = 256;

// The multiples of `step` within `range` and the reach: none when the band leaves the number
// out (its code is then 0).
std::pair<std::int64_t, std::int64_t> stepsIn(const std::optional<NumberRange>& range,
                                              const TotalReach& reach, std::int64_t step) {
  if (!range) return {0, 0};
  const std::int64_t low = std::max(range->low, reach.lowest);
  const std::int64_t high = std::min(range->high, reach.highest);
  return {(low + step - 1) / step, high / step};
}

double spectrumChance(const TotalTree& tree, const BudgetBand& band, const TotalCode& code,
                      const ReachAlgebra::Value& reach) {
  // The chances are real, so F(size - f) is the conjugate of F(f): half the frequencies suffice.
  const std::int64_t half = code.size / 2 + 1;
  std::vector<std::complex<double>> spectrum(static_cast<std::size_t>(code.size));
  std::vector<std::vector<std::complex<double>>> values(tree.nodes.size());
  for (std::int64_t first = 0; first < half; first += kFrequencyChunk) {
    const std::int64_t count = std::min(kFrequencyChunk, half - first);
    transformPart(tree.nodes, code, first, count, values);
    for (std::int64_t f = 0; f < count; ++f) {
      const std::complex<double> value = values.back()[static_cast<std::size_t>(f)];
      spectrum[static_cast<std::size_t>(first + f)] = value;
      if (first + f != 0 && first + f != code.size - first - f)
        spectrum[static_cast<std::size_t>(code.size - first - f)] = std::conj(value);
    }
  }
  inverseTransform(spectrum);
  std::array<std::pair<std::int64_t, std::int64_t>, kNumberCount> within;
  for (std::size_t n = 0; n < kNumberCount; ++n)
    within[n] = stepsIn(band.*kRanges[n], reach[n], code.steps[n]);
  double chance = 0;
  for (std::int64_t s = within[2].first; s <= within[2].second; ++s)
    for (std::int64_t p = within[0].first; p <= within[0].second; ++p)
      for (std::int64_t t = within[1].first; t <= within[1].second; ++t) {
        const std::int64_t at = t * code.weight(1) + p * code.weight(0) + s * code.weight(2);
        chance += std::max(0.0, spectrum[static_cast<std::size_t>(at & (code.size - 1))].real());
      }
  return std::clamp(chance, 0.0, 1.0);
}

// The totals a force can reach, as sorted runs of codes that neither touch nor overlap: each code
// holds each counted number's steps as one digit below its span, the tons' lowest, then the
// points', then the points with crew skill (a number not counted is 0), so adding codes adds
// totals. Throws TooMuchWork once more than kMostSupportWork pairs of runs were added.
struct SupportAlgebra {
  struct TooMuchWork {};
  using Run = std::pair<std::int64_t, std::int64_t>;
  using Value = std::vector<Run>;
  std::array<std::int64_t, kNumberCount> steps{1, 1, 1};
  std::array<std::int64_t, kNumberCount> spans{1, 1, 1};
  std::array<bool, kNumberCount> counts{};
  mutable std::int64_t work = 0;

  // The digits from the lowest: tons, points, points with crew skill.
  static constexpr std::size_t kDigits[] = {1, 0, 2};
  // What one step of number `n` adds to a code.
  std::int64_t weight(std::size_t n) const {
    std::int64_t weight = 1;
    for (std::size_t k = 0; kDigits[k] != n; ++k) weight *= spans[kDigits[k]];
    return weight;
  }
  std::int64_t code(const Total& total) const {
    std::int64_t code = 0;
    for (std::size_t n = 0; n < kNumberCount; ++n)
      if (counts[n]) code += total.*kNumbers[n] / steps[n] * weight(n);
    return code;
  }
  static Value merged(Value runs) {
    std::sort(runs.begin(), runs.end());
    Value value;
    for (const Run& run : runs) {
      if (!value.empty() && run.first <= value.back().second + 1) {
        value.back().second = std::max(value.back().second, run.second);
      } else {
        value.push_back(run);
      }
    }
    return value;
  }
  Value slot(const std::vector<std::pair<Total, Fraction>>& outcomes) const {
    Value runs;
    for (const auto& [total, chance] : outcomes)
      if (chance != Fraction(0)) runs.emplace_back(code(total), code(total));
    return merged(std::move(runs));
  }
  Value sum(const Value& a, const Value& b) const {
    work += static_cast<std::int64_t>(a.size()) * static_cast<std::int64_t>(b.size());
    if (work > kMostSupportWork) throw TooMuchWork{};
    Value runs;
    runs.reserve(a.size() * b.size());
    for (const Run& x : a)
      for (const Run& y : b) runs.emplace_back(x.first + y.first, x.second + y.second);
    return merged(std::move(runs));
  }
  Value mix(const std::vector<std::pair<const Value*, Fraction>>& parts) const {
    Value runs;
    for (const auto& [part, chance] : parts)
      if (chance != Fraction(0)) runs.insert(runs.end(), part->begin(), part->end());
    return merged(std::move(runs));
  }
  Value repeat(const Value& part, int times) const {
    Value value = part;
    for (int k = 1; k < times; ++k) value = sum(value, part);
    return value;
  }
};

using StepRange = std::pair<std::int64_t, std::int64_t>;

// The steps of each number over every slot's totals.
std::array<std::int64_t, kNumberCount> totalSteps(const TotalTree& tree) {
  std::array<std::int64_t, kNumberCount> steps{0, 0, 0};
  for (const Node& node : tree.nodes)
    for (const auto& [total, chance] : node.outcomes)
      for (std::size_t n = 0; n < kNumberCount; ++n)
        steps[n] = std::gcd(steps[n], total.*kNumbers[n]);
  return steps;
}

// The steps of `step` from `range`'s first multiple to its last; a step of 0 has one, 0.
StepRange multiplesIn(const NumberRange& range, std::int64_t step) {
  if (step == 0) return {range.low <= 0 ? 0 : 1, range.high >= 0 ? 0 : -1};
  return {(range.low + step - 1) / step, range.high / step};
}

// Whether a code from `first` to `last` has each digit from digit `digit` (of kDigits) down
// within its steps of `within`.
bool holdsWithin(std::int64_t first, std::int64_t last, std::size_t digit,
                 const SupportAlgebra& codes, const std::array<StepRange, kNumberCount>& within) {
  const std::size_t n = SupportAlgebra::kDigits[digit];
  const std::int64_t weight = codes.weight(n);
  const std::int64_t fromRow = std::max(first / weight, within[n].first);
  const std::int64_t toRow = std::min(last / weight, within[n].second);
  for (std::int64_t row = fromRow; row <= toRow; ++row) {
    const std::int64_t low = std::max(first, row * weight) - row * weight;
    const std::int64_t high = std::min(last, row * weight + weight - 1) - row * weight;
    if (digit == 0 || (low <= high && holdsWithin(low, high, digit - 1, codes, within)))
      return true;
  }
  return false;
}

}  // namespace

BandSupport bandSupport(const Selection& choices, const std::string& tableBytes,
                        std::string_view fileName, const DesignList& designs,
                        const BudgetBand& band, const SkillTable* skills, bool listTotals) {
  const TotalTree tree = totalTree(choices, tableBytes, fileName, designs, band, skills);
  const std::array<std::int64_t, kNumberCount> steps = totalSteps(tree);
  BandSupport support;
  support.pointsStep = steps[0];
  support.tonsStep = steps[1];
  support.skillPointsStep = steps[2];
  SupportAlgebra codes;
  std::array<StepRange, kNumberCount> within{};
  const ReachAlgebra::Value reach = evaluate(tree.nodes, ReachAlgebra{});
  std::int64_t codeCount = 1;
  for (std::size_t n = 0; n < kNumberCount; ++n) {
    const std::optional<NumberRange>& range = band.*kRanges[n];
    if (!range) continue;
    within[n] = multiplesIn(*range, steps[n]);
    support.holdsSteps = support.holdsSteps && within[n].first <= within[n].second;
    if (steps[n] == 0) {
      within[n] = {0, 0};
      continue;
    }
    codes.counts[n] = true;
    codes.steps[n] = steps[n];
    codes.spans[n] = reach[n].highest / steps[n] + 1;
    if (codes.spans[n] > std::numeric_limits<std::int64_t>::max() / 4 / codeCount) return support;
    codeCount *= codes.spans[n];
  }
  if (!listTotals) return support;
  SupportAlgebra::Value runs;
  try {
    runs = evaluate(tree.nodes, codes);
  } catch (const SupportAlgebra::TooMuchWork&) {
    return support;
  }
  support.counted = true;
  for (const auto& [first, last] : runs)
    support.reached = support.reached || holdsWithin(first, last, kNumberCount - 1, codes, within);
  const auto counted = std::count(codes.counts.begin(), codes.counts.end(), true);
  if (support.reached || counted != 1) return support;
  const std::size_t n = static_cast<std::size_t>(
      std::find(codes.counts.begin(), codes.counts.end(), true) - codes.counts.begin());
  for (const auto& [first, last] : runs) {
    if (last < within[n].first) support.below = last * codes.steps[n];
    if (first > within[n].second && !support.above) support.above = first * codes.steps[n];
  }
  return support;
}

BudgetReach partReach(const ForcePart& part, const std::string& tableBytes,
                      std::string_view fileName, const DesignList& designs, const BudgetBand& band,
                      const SkillTable* skills) {
  const Selection choices{part.faction, "", part.groupWeight, "", part.withVehicles};
  const TotalTree tree =
      TreeBuilder(choices, tableBytes, fileName, designs, band, skills).buildPart(part);
  const ReachAlgebra::Value reach = evaluate(tree.nodes, ReachAlgebra{});
  BudgetReach figures;
  figures.points = reach[0];
  figures.tonsHundredths = reach[1];
  figures.skillPoints = reach[2];
  return figures;
}

void sortShares(std::vector<DesignShare>& shares) {
  std::sort(shares.begin(), shares.end(), [](const DesignShare& a, const DesignShare& b) {
    return std::tie(b.within, b.share, a.design) < std::tie(a.within, a.share, b.design);
  });
}

std::optional<WithinBand> exactWithinBand(const Selection& choices, const std::string& tableBytes,
                                          std::string_view fileName, const DesignList& designs,
                                          const BudgetBand& band, const SkillTable* skills) {
  const TotalTree tree = totalTree(choices, tableBytes, fileName, designs, band, skills);
  if (!tree.singleGroup) return std::nullopt;
  try {
    const ShareAlgebra::Value value =
        evaluate(tree.nodes, ShareAlgebra{ExactAlgebra{band}, tree.slotDesigns});
    const auto inBand = [&band](const Total& total) { return holdsTotal(band, total); };
    // Each design's expected slots in every force and in the forces within the band.
    const auto slotsOf = [&](const ShareAlgebra::Chances& counts) {
      Fraction all, within;
      for (const auto& [total, count] : counts) {
        all += count;
        if (inBand(total)) within += count;
      }
      return std::make_pair(all, within);
    };
    WithinBand figures;
    figures.exact = true;
    TotalReach* const reaches[] = {&figures.points, &figures.tonsHundredths, &figures.skillPoints};
    Fraction chance;
    bool first = true;
    for (const auto& [total, p] : value.chances) {
      if (!inBand(total) || p == Fraction(0)) continue;
      chance += p;
      for (std::size_t n = 0; n < kNumberCount; ++n) {
        ReachAlgebra::widen(*reaches[n], total.*kNumbers[n], first);
        reaches[n]->mean += (p * Fraction(total.*kNumbers[n])).value();
      }
      first = false;
    }
    if (first) return figures;
    for (TotalReach* reach : reaches) reach->mean /= chance.value();
    const auto [allSlots, slotsWithin] = slotsOf(value.slots.at(""));
    for (const auto& [design, counts] : value.slots) {
      if (design.empty()) continue;
      const auto [all, within] = slotsOf(counts);
      figures.designs.push_back({design, (all / allSlots).value(), (within / slotsWithin).value()});
    }
    sortShares(figures.designs);
    return figures;
  } catch (const std::overflow_error&) {
    return std::nullopt;
  }
}

BudgetReach budgetReach(const Selection& choices, const std::string& tableBytes,
                        std::string_view fileName, const DesignList& designs,
                        const BudgetBand& band, const SkillTable* skills) {
  const TotalTree tree = totalTree(choices, tableBytes, fileName, designs, band, skills);
  const ReachAlgebra::Value reach = evaluate(tree.nodes, ReachAlgebra{});
  BudgetReach figures;
  figures.lacking = tree.lacking;
  figures.lackingCrews.assign(tree.lackingCrews.begin(), tree.lackingCrews.end());
  figures.points = reach[0];
  figures.tonsHundredths = reach[1];
  figures.skillPoints = reach[2];
  figures.copyLimitsIgnored = drawsFromOwned(choices.collection, choices.unique);
  return figures;
}

BandChance bandChance(const Selection& choices, const std::string& tableBytes,
                      std::string_view fileName, const DesignList& designs, const BudgetBand& band,
                      const SkillTable* skills) {
  const TotalTree tree = totalTree(choices, tableBytes, fileName, designs, band, skills);
  if (tree.singleGroup) {
    try {
      Fraction chance;
      for (const auto& [total, p] : evaluate(tree.nodes, ExactAlgebra{band}))
        if (holdsTotal(band, total)) chance += p;
      return {true, chance, chance.value()};
    } catch (const std::overflow_error&) {
      // too fine for 64-bit fractions: counted as a double below
    }
  }
  const ReachAlgebra::Value reach = evaluate(tree.nodes, ReachAlgebra{});
  const std::optional<TotalCode> code = totalCode(tree, band, reach);
  if (!code) return {};
  return {true, std::nullopt, spectrumChance(tree, band, *code, reach)};
}

Fraction expectedSkillPoints(const Selection& choices, const std::string& tableBytes,
                             std::string_view fileName, const DesignList& designs,
                             const SkillTable& skills) {
  const TotalTree tree = totalTree(choices, tableBytes, fileName, designs, {}, &skills);
  return evaluate(tree.nodes, ExpectedSkillAlgebra{});
}

void addExpectedSkillPoints(OddsNumbers& numbers, const Selection& choices,
                            const std::string& tableBytes, std::string_view fileName,
                            const DesignList& designs, const SkillTable& skills) {
  try {
    numbers.force.skillPoints = expectedSkillPoints(choices, tableBytes, fileName, designs, skills);
  } catch (const std::overflow_error&) {
    return;  // too fine for 64-bit fractions: no figure
  }
  numbers.force.skillsName = skills.name;
  numbers.force.skillsIdentity = skills.identity;
}
