// SPDX-License-Identifier: MIT
#include "roster/budget_searches.h"

#include <algorithm>

#include "tables/table_identity.h"

namespace {

// The inputs of one search written one after another, each led by its length so that no two
// lists of inputs write the same text; the key is the text's checksum.
class KeyText {
 public:
  KeyText& operator<<(std::string_view field) {
    text_ += std::to_string(field.size()) + ':';
    text_ += field;
    return *this;
  }
  KeyText& operator<<(std::int64_t number) { return *this << std::to_string(number); }
  KeyText& operator<<(const std::optional<NumberRange>& range) {
    return range ? *this << range->low << range->high : *this << "none";
  }
  std::string key(char kind) const { return kind + tableChecksum(text_); }

 private:
  std::string text_;
};

// The skill table counts only for a band in points with crew skill.
KeyText& common(KeyText& text, std::string_view tablesChecksum, const DesignList& designs,
                const SkillTable* skills, const std::optional<Collection>& collection, bool unique,
                std::uint32_t seed, const BudgetBand& band) {
  return text << tablesChecksum << designs.identity << (collection ? collection->identity : "-")
              << unique << seed << band.points << band.tonsHundredths << band.skillPoints
              << (band.skillPoints && skills ? skills->identity : "-");
}

}  // namespace

const SearchOutcome* BudgetSearches::find(std::string_view key) const {
  const auto kept = std::find_if(kept_.begin(), kept_.end(),
                                 [key](const auto& entry) { return entry.first == key; });
  return kept == kept_.end() ? nullptr : &kept->second;
}

void BudgetSearches::keep(std::string key, SearchOutcome outcome) {
  std::erase_if(kept_, [&key](const auto& kept) { return kept.first == key; });
  if (kept_.size() >= kKept) kept_.erase(kept_.begin());
  kept_.emplace_back(std::move(key), std::move(outcome));
}

std::string drawSearchKey(std::string_view tablesChecksum, const Selection& choices,
                          std::uint32_t seed, const BudgetBand& band, const DesignList& designs,
                          const SkillTable* skills, Side side) {
  KeyText text;
  common(text, tablesChecksum, designs, skills, choices.collection, choices.unique, seed, band)
      << choices.house << choices.size << choices.weight << choices.experience
      << choices.withVehicles;
  if (side == Side::b) text << "side b";
  return text.key('d');
}

std::string rerollSearchKey(std::string_view tablesChecksum, const Force& force, Reroll reroll,
                            const DesignList& designs, const SkillTable* skills) {
  KeyText text;
  common(text, tablesChecksum, designs, skills, force.collection, force.unique, force.seed,
         force.budget.value_or(BudgetBand{}))
      << force.house.c_str() << force.size.c_str() << force.weight.c_str()
      << force.experience.c_str() << force.withVehicles << force.isClan
      << static_cast<std::int64_t>(force.houseStart) << reroll.group << reroll.slot;
  for (const Reroll& made : force.rerolls) text << made.group << made.slot;
  for (const apstring& weight : force.groupWeights) text << weight.c_str();
  if (force.side == Side::b) text << "side b";
  for (int k = 0; k < force.roster.length(); ++k) {
    const Mech& slot = force.roster[k];
    text << slot.name.c_str() << slot.weightClass.c_str()
         << std::string{slot.piloting, slot.gunnery} << slot.mark
         << static_cast<std::int64_t>(slot.kind) << slot.openVehicle;
  }
  return text.key('r');
}
