// SPDX-License-Identifier: MIT
#include "ui/recent_forces.h"

#include <QSettings>
#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

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

}  // namespace

bool sameRecentForce(const RecentForce& lhs, const RecentForce& rhs) {
  const Selection& a = lhs.choices;
  const Selection& b = rhs.choices;
  return a.house == b.house && a.size == b.size && a.weight == b.weight &&
         a.experience == b.experience && a.withVehicles == b.withVehicles && lhs.seed == rhs.seed &&
         lhs.rerolls == rhs.rerolls && lhs.tablesChecksum == rhs.tablesChecksum &&
         lhs.collectionIdentity == rhs.collectionIdentity && a.unique == b.unique &&
         lhs.budget == rhs.budget && lhs.designsIdentity == rhs.designsIdentity;
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
    const std::optional<std::string> house =
        wordOf(ChoiceList::faction, settings.value(QStringLiteral("house")));
    const std::optional<std::string> size =
        wordOf(ChoiceList::size, settings.value(QStringLiteral("size")));
    const std::optional<std::string> weight =
        wordOf(ChoiceList::weight, settings.value(QStringLiteral("weight")));
    const std::optional<std::string> experience =
        wordOf(ChoiceList::experience, settings.value(QStringLiteral("experience")));
    if (!seed || !house || !size || !weight || !experience) continue;
    force.seed = std::to_string(*seed);
    force.choices = {*house, *size, *weight, *experience,
                     settings.value(QStringLiteral("vehicles")).toBool()};
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
