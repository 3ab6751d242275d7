// SPDX-License-Identifier: MIT
#include "ui/named_lists.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>

namespace {

// A pick-only list read by its name and its choice, its popup list as its one child.
class NamedList : public QAccessibleWidget {
 public:
  explicit NamedList(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

  QString text(QAccessible::Text kind) const override {
    const QString choice = list()->currentText();
    if (kind == QAccessible::Value) return choice;
    if (kind != QAccessible::Name) return QAccessibleWidget::text(kind);
    const QString name = list()->accessibleName();
    return choice.isEmpty() ? name : name + ": " + choice;
  }

  int childCount() const override { return 1; }
  QAccessibleInterface* child(int index) const override {
    return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child != nullptr && child->object() == list()->view() ? 0 : -1;
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    state.expanded = list()->view()->isVisible();
    state.collapsed = !state.expanded;
    return state;
  }

  QStringList actionNames() const override {
    return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    if (action == showMenuAction() || action == pressAction()) return list()->showPopup();
    QAccessibleWidget::doAction(action);
  }

 private:
  QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
};

// Whether `list` is one the form names: pick-only, with an accessible name.
bool isNamed(const QComboBox* list) {
  return list != nullptr && !list->isEditable() && !list->accessibleName().isEmpty();
}

QAccessibleInterface* namedListFor(const QString& className, QObject* object) {
  auto* list = qobject_cast<QComboBox*>(object);
  if (className != QLatin1String("QComboBox") || !isNamed(list)) return nullptr;
  return new NamedList(list);
}

}  // namespace

void nameListsForScreenReaders(QWidget* form) {
#ifdef Q_OS_UNIX
  static const bool installed = [] {
    QAccessible::installFactory(namedListFor);
    return true;
  }();
  static_cast<void>(installed);
  // A list's interface made while the form was being built, before it had its name, is Qt's
  // own: it is dropped, and made again by the factory when next asked for.
  for (QComboBox* list : form->findChildren<QComboBox*>()) {
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(list);
    if (isNamed(list) && made != nullptr && dynamic_cast<NamedList*>(made) == nullptr)
      QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
  }
#else
  static_cast<void>(form);
#endif
}
