// SPDX-License-Identifier: MIT
#include "ui/recent_forces.h"

#include <QSettings>
#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "generator/balance_band.h"
#include "generator/choice_words.h"
#include "generator/reroll_list.h"
#include "generator/seed_text.h"

namespace {

QSettings recentSettings() {
  return QSettings(QStringLiteral("musterwright"), QStringLiteral("musterwright"));
}

QString textOf(std::string_view word) {
  return QString::fromUtf8(word.data(), static_cast<qsizetype>(word.size()));
}

std::string stringOf(const QVariant& value) {
  return value.toString().toStdString();
}

// The choice of `list` kept as `value`: the list's word, empty for Random left empty; none for a
// word in no list.
std::optional<std::string> wordOf(ChoiceList list, const QVariant& value) {
  const std::string kept = value.toString().toStdString();
  if (kept.empty()) return std::string();
  const std::optional<std::string_view> word = choiceWord(list, kept);
  if (!word) return std::nullopt;
  return std::string(*word);
}

// The four words kept under `prefix` ("" for the force, "o" for its opposing force), each as
// wordOf reads it; none when one is in no list.
std::optional<Selection> choicesOf(const QSettings& settings, const QString& prefix) {
  const std::optional<std::string> house =
      wordOf(ChoiceList::faction, settings.value(prefix + QStringLiteral("house")));
  const std::optional<std::string> size =
      wordOf(ChoiceList::size, settings.value(prefix + QStringLiteral("size")));
  const std::optional<std::string> weight =
      wordOf(ChoiceList::weight, settings.value(prefix + QStringLiteral("weight")));
  const std::optional<std::string> experience =
      wordOf(ChoiceList::experience, settings.value(prefix + QStringLiteral("experience")));
  if (!house || !size || !weight || !experience) return std::nullopt;
  return Selection{*house, *size, *weight, *experience,
                   settings.value(prefix + QStringLiteral("vehicles")).toBool()};
}

// The opposing force kept with an entry: none for an entry without one (and one kept before
// pairs were); an opposing force that cannot be read back (a word in no list, a handicap or
// tolerance out of bounds, re-rolls that are no list) makes the entry unreadable.
struct KeptOpponent {
  bool readable = true;
  std::optional<OpponentRequest> request = {};
  std::string rerolls = {};
};
KeptOpponent opponentOf(const QSettings& settings) {
  if (!settings.value(QStringLiteral("opponent")).toBool()) return {};
  const std::optional<Selection> choices = choicesOf(settings, QStringLiteral("o"));
  bool handicapRead = false;
  bool toleranceRead = false;
  OpponentRequest request;
  request.handicap = settings.value(QStringLiteral("handicap")).toInt(&handicapRead);
  request.tolerance = settings.value(QStringLiteral("tolerance")).toInt(&toleranceRead);
  if (!choices || !handicapRead || !toleranceRead || request.handicap < kLowestHandicap ||
      request.handicap > kHighestHandicap || request.tolerance < 0 ||
      request.tolerance > kHighestTolerance)
    return {false};
  request.choices = *choices;
  const std::string by = stringOf(settings.value(QStringLiteral("by")));
  for (const Measure measure : {Measure::points, Measure::tons, Measure::skillPoints})
    if (by == measureKey(measure)) request.measure = measure;
  try {
    return {true, request,
            rerollList(parseRerolls(stringOf(settings.value(QStringLiteral("or")))))};
  } catch (const RerollError&) {
    return {false};
  }
}

// Whether both hold no opposing force, or the same one: the same choices, handicap, tolerance,
// measure and re-rolls.
bool sameOpponent(const RecentForce& lhs, const RecentForce& rhs) {
  if (!lhs.opponent || !rhs.opponent) return lhs.opponent.has_value() == rhs.opponent.has_value();
  const OpponentRequest& a = *lhs.opponent;
  const OpponentRequest& b = *rhs.opponent;
  return a.choices.house == b.choices.house && a.choices.size == b.choices.size &&
         a.choices.weight == b.choices.weight && a.choices.experience == b.choices.experience &&
         a.choices.withVehicles == b.choices.withVehicles && a.handicap == b.handicap &&
         a.tolerance == b.tolerance && a.measure == b.measure &&
         lhs.opponentRerolls == rhs.opponentRerolls;
}

}  // namespace

bool sameRecentForce(const RecentForce& lhs, const RecentForce& rhs) {
  const Selection& a = lhs.choices;
  const Selection& b = rhs.choices;
  return a.house == b.house && a.size == b.size && a.weight == b.weight &&
         a.experience == b.experience && a.withVehicles == b.withVehicles && lhs.seed == rhs.seed &&
         lhs.rerolls == rhs.rerolls && lhs.tablesChecksum == rhs.tablesChecksum &&
         lhs.collectionIdentity == rhs.collectionIdentity && a.unique == b.unique &&
         lhs.budget == rhs.budget && lhs.designsIdentity == rhs.designsIdentity &&
         sameOpponent(lhs, rhs);
}

std::vector<RecentForce> loadRecentForces() {
  QSettings settings = recentSettings();
  std::vector<RecentForce> forces;
  const int count = settings.beginReadArray(QStringLiteral("recent"));
  for (int i = 0; i < count && int(forces.size()) < kRecentForcesKept; ++i) {
    settings.setArrayIndex(i);
    RecentForce force;
    std::optional<std::uint32_t> seed;
    try {
      seed = readSeed(stringOf(settings.value(QStringLiteral("seed"))));
      force.rerolls = rerollList(parseRerolls(stringOf(settings.value(QStringLiteral("rerolls")))));
    } catch (const SeedError&) {
      continue;
    } catch (const RerollError&) {
      continue;
    }
    const std::optional<Selection> choices = choicesOf(settings, QString());
    KeptOpponent opponent = opponentOf(settings);
    if (!seed || !choices || !opponent.readable) continue;
    force.seed = std::to_string(*seed);
    force.choices = *choices;
    force.opponent = std::move(opponent.request);
    force.opponentRerolls = std::move(opponent.rerolls);
    force.choices.unique = settings.value(QStringLiteral("unique")).toBool();
    force.collectionName = stringOf(settings.value(QStringLiteral("collectionName")));
    force.collectionIdentity = stringOf(settings.value(QStringLiteral("collectionIdentity")));
    force.budget = {stringOf(settings.value(QStringLiteral("points"))),
                    stringOf(settings.value(QStringLiteral("tons"))),
                    stringOf(settings.value(QStringLiteral("skill_points")))};
    force.designsName = stringOf(settings.value(QStringLiteral("designsName")));
    force.designsIdentity = stringOf(settings.value(QStringLiteral("designsIdentity")));
    force.tablesName =
        stringOf(settings.value(QStringLiteral("tableName"), QStringLiteral("unknown")));
    force.tablesChecksum =
        stringOf(settings.value(QStringLiteral("tableChecksum"), QStringLiteral("unknown")));
    forces.push_back(force);
  }
  settings.endArray();
  return forces;
}

void saveRecentForces(const std::vector<RecentForce>& forces) {
  QSettings settings = recentSettings();
  settings.remove(QStringLiteral("recent"));
  settings.beginWriteArray(QStringLiteral("recent"), int(forces.size()));
  for (int i = 0; i < int(forces.size()); ++i) {
    const RecentForce& force = forces[i];
    settings.setArrayIndex(i);
    settings.setValue(QStringLiteral("house"), textOf(force.choices.house));
    settings.setValue(QStringLiteral("size"), textOf(force.choices.size));
    settings.setValue(QStringLiteral("weight"), textOf(force.choices.weight));
    settings.setValue(QStringLiteral("experience"), textOf(force.choices.experience));
    settings.setValue(QStringLiteral("vehicles"), force.choices.withVehicles);
    settings.setValue(QStringLiteral("seed"), textOf(force.seed));
    settings.setValue(QStringLiteral("rerolls"), textOf(force.rerolls));
    settings.setValue(QStringLiteral("tableName"), textOf(force.tablesName));
    settings.setValue(QStringLiteral("tableChecksum"), textOf(force.tablesChecksum));
    settings.setValue(QStringLiteral("unique"), force.choices.unique);
    settings.setValue(QStringLiteral("collectionName"), textOf(force.collectionName));
    settings.setValue(QStringLiteral("collectionIdentity"), textOf(force.collectionIdentity));
    settings.setValue(QStringLiteral("points"), textOf(force.budget.points));
    settings.setValue(QStringLiteral("tons"), textOf(force.budget.tons));
    settings.setValue(QStringLiteral("skill_points"), textOf(force.budget.skillPoints));
    settings.setValue(QStringLiteral("designsName"), textOf(force.designsName));
    settings.setValue(QStringLiteral("designsIdentity"), textOf(force.designsIdentity));
    settings.setValue(QStringLiteral("opponent"), force.opponent.has_value());
    if (!force.opponent) continue;
    const OpponentRequest& opponent = *force.opponent;
    settings.setValue(QStringLiteral("ohouse"), textOf(opponent.choices.house));
    settings.setValue(QStringLiteral("osize"), textOf(opponent.choices.size));
    settings.setValue(QStringLiteral("oweight"), textOf(opponent.choices.weight));
    settings.setValue(QStringLiteral("oexperience"), textOf(opponent.choices.experience));
    settings.setValue(QStringLiteral("ovehicles"), opponent.choices.withVehicles);
    settings.setValue(QStringLiteral("or"), textOf(force.opponentRerolls));
    settings.setValue(QStringLiteral("handicap"), opponent.handicap);
    settings.setValue(QStringLiteral("tolerance"), opponent.tolerance);
    settings.setValue(QStringLiteral("by"),
                      opponent.measure ? textOf(measureKey(*opponent.measure)) : QString());
  }
  settings.endArray();
}

void addRecentForce(std::vector<RecentForce>& forces, const RecentForce& force) {
  std::erase_if(forces, [&](const RecentForce& kept) { return sameRecentForce(kept, force); });
  forces.insert(forces.begin(), force);
  if (int(forces.size()) > kRecentForcesKept) forces.resize(kRecentForcesKept);
}

QString describeRecentForce(const RecentForce& force) {
  return QString::fromStdString(describeRecord(force));
}
