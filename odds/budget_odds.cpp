// SPDX-License-Identifier: MIT
#include "odds/budget_odds.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <complex>
#include <map>
#include <numbers>
#include <numeric>
#include <stdexcept>
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

// One total: points, and tons in hundredths.
struct Total {
  std::int64_t points = 0;
  std::int64_t tons = 0;
  bool operator<(const Total& other) const {
    return points != other.points ? points < other.points : tons < other.tons;
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
};

// Builds the tree from the rule tables and the table file, walking the dice as a run rolls them.
class TreeBuilder {
 public:
  TreeBuilder(const Selection& choices, const std::string& bytes, std::string_view fileName,
              const DesignList& designs, const BudgetBand& band)
      : choices_(choices), text_(bytes, std::string(fileName)), designs_(designs), band_(band) {}

  TotalTree build() {
    Tally<int> units;
    for (const FactionOutcome& faction : factionOutcomes(choices_.house)) {
      const std::streamoff start = text_.factionStart(faction.word);
      for (const SizeOutcome& size : sizeOutcomes(choices_.size, faction.clan)) {
        if (size.groups != 1) tree_.singleGroup = false;
        const Tally<std::string> weights =
            weightOutcomes(choices_.weight, size.groups, faction.clan);
        for (const auto& [weight, chance] : weights.entries())
          units.add(unit(faction, start, size.groups, weight),
                    faction.chance * size.chance * chance);
      }
    }
    Node root{Node::Kind::mix, {}, units.entries(), 0};
    add(std::move(root));
    return std::move(tree_);
  }

 private:
  int add(Node node) {
    tree_.nodes.push_back(std::move(node));
    return static_cast<int>(tree_.nodes.size()) - 1;
  }

  Total numbersOf(const std::string& name) {
    const DesignNumbers* row = designs_.find(name);
    const bool lacksPoints = band_.points && (!row || !row->points);
    const bool lacksTons = band_.tonsHundredths && (!row || !row->tonsHundredths);
    if ((lacksPoints || lacksTons) &&
        std::find(tree_.lacking.begin(), tree_.lacking.end(), name) == tree_.lacking.end())
      tree_.lacking.push_back(name);
    if (!row) return {};
    return {row->points.value_or(0), row->tonsHundredths.value_or(0)};
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
    for (const auto& [name, chance] : draws)
      slot.outcomes.emplace_back(numbersOf(name), share * chance / drawnWeight);
  }

  int slot(const FactionOutcome& faction, std::streamoff start, const std::string& weight) {
    const auto key = std::make_pair(faction.word, weight);
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
    const auto key = std::make_pair(faction.word, groupWeight);
    if (const auto known = groups_.find(key); known != groups_.end()) return known->second;
    const int slots = groupSizeFor(faction.clan);
    if (const char* armour = battleArmourName(groupWeight)) {
      const int one = add(Node{Node::Kind::slot, {{numbersOf(armour), Fraction(1)}}, {}, 0});
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
  TotalTree tree_;
  std::map<std::pair<std::string, std::string>, int> slots_, groups_;
};

TotalTree totalTree(const Selection& given, const std::string& bytes, std::string_view fileName,
                    const DesignList& designs, const BudgetBand& band) {
  Selection choices;
  try {
    choices = checkedChoices(given);
  } catch (const SelectionError& error) {
    throw OddsError(error.what());
  }
  return TreeBuilder(choices, bytes, fileName, designs, band).build();
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
        values.push_back(algebra.slot(node.outcomes));
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

// Lowest, highest and mean of both numbers.
struct ReachAlgebra {
  struct Value {
    TotalReach points, tons;
  };
  static void widen(TotalReach& reach, std::int64_t total, bool first) {
    reach.lowest = first ? total : std::min(reach.lowest, total);
    reach.highest = first ? total : std::max(reach.highest, total);
  }
  Value slot(const std::vector<std::pair<Total, Fraction>>& outcomes) const {
    Value value;
    bool first = true;
    for (const auto& [total, chance] : outcomes) {
      widen(value.points, total.points, first);
      widen(value.tons, total.tons, first);
      first = false;
      value.points.mean += chance.value() * static_cast<double>(total.points);
      value.tons.mean += chance.value() * static_cast<double>(total.tons);
    }
    return value;
  }
  static TotalReach added(const TotalReach& a, const TotalReach& b) {
    return {a.lowest + b.lowest, a.highest + b.highest, a.mean + b.mean};
  }
  Value sum(const Value& a, const Value& b) const {
    return {added(a.points, b.points), added(a.tons, b.tons)};
  }
  Value mix(const std::vector<std::pair<const Value*, Fraction>>& parts) const {
    Value value;
    bool first = true;
    for (const auto& [part, chance] : parts) {
      widen(value.points, part->points.lowest, first);
      widen(value.points, part->points.highest, false);
      widen(value.tons, part->tons.lowest, first);
      widen(value.tons, part->tons.highest, false);
      first = false;
      value.points.mean += chance.value() * part->points.mean;
      value.tons.mean += chance.value() * part->tons.mean;
    }
    return value;
  }
  Value repeat(const Value& part, int times) const {
    const auto scaled = [times](const TotalReach& r) {
      return TotalReach{r.lowest * times, r.highest * times, r.mean * times};
    };
    return {scaled(part.points), scaled(part.tons)};
  }
};

// Exact chances of each total, a total above the band's high end kept as that end plus one, and
// a number the band leaves out kept as 0: small enough for a single group.
struct ExactAlgebra {
  using Value = std::map<Total, Fraction>;
  const BudgetBand& band;

  Total kept(Total total) const {
    total.points = band.points ? std::min(total.points, band.points->high + 1) : 0;
    total.tons = band.tonsHundredths ? std::min(total.tons, band.tonsHundredths->high + 1) : 0;
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
      for (const auto& [y, q] : b) value[kept({x.points + y.points, x.tons + y.tons})] += p * q;
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

// Both numbers as one whole number: the tons' steps plus the points' steps times `tonsSpan`,
// each number divided by its step (the common factor of its values; a number the band leaves
// out counts as 0). Adding totals adds their codes. Totals from the lowest to the highest take
// fewer than `size` codes in a row, so each keeps a place of its own modulo `size`.
struct TotalCode {
  std::int64_t pointsStep = 1, tonsStep = 1;
  std::int64_t tonsSpan = 1;
  std::int64_t size = 1;
  std::int64_t code(const Total& total) const {
    return total.tons / tonsStep + tonsSpan * (total.points / pointsStep);
  }
};

// The steps, spans and size from the tree's slots and reach; none when the codes would be more
// than kMostBandTotals.
std::optional<TotalCode> totalCode(const TotalTree& tree, const BudgetBand& band,
                                   const ReachAlgebra::Value& reach) {
  std::int64_t pointsStep = 0, tonsStep = 0;
  for (const Node& node : tree.nodes)
    for (const auto& [total, chance] : node.outcomes) {
      pointsStep = std::gcd(pointsStep, total.points);
      tonsStep = std::gcd(tonsStep, total.tons);
    }
  TotalCode code;
  code.pointsStep = band.points ? std::max<std::int64_t>(pointsStep, 1) : reach.points.highest + 1;
  code.tonsStep =
      band.tonsHundredths ? std::max<std::int64_t>(tonsStep, 1) : reach.tons.highest + 1;
  const auto span = [](const TotalReach& totals, std::int64_t step) {
    return totals.highest / step - totals.lowest / step + 1;
  };
  code.tonsSpan = span(reach.tons, code.tonsStep);
  const std::int64_t pointsSpan = span(reach.points, code.pointsStep);
  if (pointsSpan > kMostBandTotals / code.tonsSpan) return std::nullopt;
  code.size = static_cast<std::int64_t>(
      std::bit_ceil(static_cast<std::uint64_t>(pointsSpan * code.tonsSpan)));
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
  const auto [pointsLow, pointsHigh] = stepsIn(band.points, reach.points, code.pointsStep);
  const auto [tonsLow, tonsHigh] = stepsIn(band.tonsHundredths, reach.tons, code.tonsStep);
  double chance = 0;
  for (std::int64_t p = pointsLow; p <= pointsHigh; ++p)
    for (std::int64_t t = tonsLow; t <= tonsHigh; ++t)
      chance += std::max(
          0.0,
          spectrum[static_cast<std::size_t>((t + code.tonsSpan * p) & (code.size - 1))].real());
  return std::clamp(chance, 0.0, 1.0);
}

}  // namespace

BudgetReach budgetReach(const Selection& choices, const std::string& tableBytes,
                        std::string_view fileName, const DesignList& designs,
                        const BudgetBand& band) {
  const TotalTree tree = totalTree(choices, tableBytes, fileName, designs, band);
  const ReachAlgebra::Value reach = evaluate(tree.nodes, ReachAlgebra{});
  return {tree.lacking, reach.points, reach.tons,
          drawsFromOwned(choices.collection, choices.unique)};
}

BandChance bandChance(const Selection& choices, const std::string& tableBytes,
                      std::string_view fileName, const DesignList& designs,
                      const BudgetBand& band) {
  const TotalTree tree = totalTree(choices, tableBytes, fileName, designs, band);
  if (tree.singleGroup) {
    try {
      Fraction chance;
      for (const auto& [total, p] : evaluate(tree.nodes, ExactAlgebra{band}))
        if ((!band.points || band.points->holds(total.points)) &&
            (!band.tonsHundredths || band.tonsHundredths->holds(total.tons)))
          chance += p;
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
