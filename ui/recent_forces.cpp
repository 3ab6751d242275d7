// SPDX-License-Identifier: MIT
#include "ui/recent_forces.h"

#include <QSettings>
#include <QStringList>
#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "generator/choice_words.h"
#include "generator/reroll_list.h"

namespace {

QSettings recentSettings() {
  return QSettings(QStringLiteral("musterwright"), QStringLiteral("musterwright"));
}

QString textOf(const apstring& word) {
  return QString::fromStdString(word.c_str());
}

// The choice of `list` kept as `value`: the list's word, empty for Random left empty; none for a
// word in no list.
std::optional<apstring> wordOf(ChoiceList list, const QVariant& value) {
  const std::string kept = value.toString().toStdString();
  if (kept.empty()) return apstring();
  const std::optional<std::string_view> word = choiceWord(list, kept);
  if (!word) return std::nullopt;
  return apstring(std::string(*word).c_str());
}

QString rerollText(const std::vector<Reroll>& rerolls, std::string_view separator) {
  return QString::fromStdString(rerollList(rerolls, separator));
}

}  // namespace

bool sameRecentForce(const RecentForce& lhs, const RecentForce& rhs) {
  const Selection& a = lhs.choices;
  const Selection& b = rhs.choices;
  return a.house == b.house && a.size == b.size && a.weight == b.weight &&
         a.experience == b.experience && a.withVehicles == b.withVehicles && lhs.seed == rhs.seed &&
         lhs.rerolls == rhs.rerolls && lhs.tableChecksum == rhs.tableChecksum &&
         lhs.collectionIdentity == rhs.collectionIdentity && a.unique == b.unique;
}

std::vector<RecentForce> loadRecentForces() {
  QSettings settings = recentSettings();
  std::vector<RecentForce> forces;
  const int count = settings.beginReadArray(QStringLiteral("recent"));
  for (int i = 0; i < count && int(forces.size()) < kRecentForcesKept; ++i) {
    settings.setArrayIndex(i);
    RecentForce force;
    bool seedRead = false;
    force.seed = settings.value(QStringLiteral("seed")).toString().toUInt(&seedRead);
    try {
      force.rerolls =
          parseRerolls(settings.value(QStringLiteral("rerolls")).toString().toStdString());
    } catch (const RerollError&) {
      continue;
    }
    const std::optional<apstring> house =
        wordOf(ChoiceList::faction, settings.value(QStringLiteral("house")));
    const std::optional<apstring> size =
        wordOf(ChoiceList::size, settings.value(QStringLiteral("size")));
    const std::optional<apstring> weight =
        wordOf(ChoiceList::weight, settings.value(QStringLiteral("weight")));
    const std::optional<apstring> experience =
        wordOf(ChoiceList::experience, settings.value(QStringLiteral("experience")));
    if (!seedRead || !house || !size || !weight || !experience) continue;
    force.choices = {*house, *size, *weight, *experience,
                     settings.value(QStringLiteral("vehicles")).toBool()};
    force.choices.unique = settings.value(QStringLiteral("unique")).toBool();
    force.collectionName = settings.value(QStringLiteral("collectionName")).toString();
    force.collectionIdentity = settings.value(QStringLiteral("collectionIdentity")).toString();
    force.tableName = settings.value(QStringLiteral("tableName")).toString();
    force.tableChecksum =
        settings.value(QStringLiteral("tableChecksum"), QStringLiteral("unknown")).toString();
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
    settings.setValue(QStringLiteral("seed"), QString::number(force.seed));
    settings.setValue(QStringLiteral("rerolls"), rerollText(force.rerolls, ","));
    settings.setValue(QStringLiteral("tableName"), force.tableName);
    settings.setValue(QStringLiteral("tableChecksum"), force.tableChecksum);
    settings.setValue(QStringLiteral("unique"), force.choices.unique);
    settings.setValue(QStringLiteral("collectionName"), force.collectionName);
    settings.setValue(QStringLiteral("collectionIdentity"), force.collectionIdentity);
  }
  settings.endArray();
}

void addRecentForce(std::vector<RecentForce>& forces, const RecentForce& force) {
  std::erase_if(forces, [&](const RecentForce& kept) { return sameRecentForce(kept, force); });
  forces.insert(forces.begin(), force);
  if (int(forces.size()) > kRecentForcesKept) forces.resize(kRecentForcesKept);
}

QString describeRecentForce(const RecentForce& force) {
  QStringList words;
  for (const apstring* word : {&force.choices.house, &force.choices.size, &force.choices.weight,
                               &force.choices.experience})
    words << (word->length() == 0 ? QStringLiteral("Random") : textOf(*word));
  if (force.choices.withVehicles) words << QStringLiteral("vehicles");
  QString text = words.join(QStringLiteral(", ")) + QStringLiteral(" · Seed: %1").arg(force.seed);
  if (!force.collectionIdentity.isEmpty()) text += " · collection " + force.collectionName;
  if (force.choices.unique) text += QStringLiteral(" · each design once");
  if (!force.rerolls.empty()) text += " · re-rolled " + rerollText(force.rerolls, ", ");
  return text;
}
