// SPDX-License-Identifier: MIT
#include "ui/message_box.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <algorithm>

#include "roster/roster_words.h"

namespace {

// The most lines a message shows itself; a longer one lists the rest as findings.
constexpr int kMostMessageLines = 12;
// The lines of the findings list shown without scrolling, when it has that many.
constexpr int kShownFindings = 16;

// Puts `findings` below the box's message in its details list, open at once: two lines for each
// (a finding is often wrapped once), up to kShownFindings lines or a third of the screen.
void listFindings(QMessageBox* box, const QStringList& findings) {
  box->setDetailedText(findings.join(u'\n'));
  // The details button is the box's only action button until the caller adds its own.
  for (QAbstractButton* button : box->buttons())
    if (box->buttonRole(button) == QMessageBox::ActionRole) button->click();
  if (auto* list = box->findChild<QTextEdit*>()) {
    const int lines = std::min<int>(2 * findings.size(), kShownFindings);
    const int frame = 2 * list->frameWidth() + 2 * int(list->document()->documentMargin());
    const QScreen* screen = box->screen();
    const int most = screen->availableGeometry().height() / 3;
    list->setFixedHeight(std::min(most, lines * QFontMetrics(list->font()).lineSpacing() + frame));
  }
}

}  // namespace

QMessageBox* windowMessageBox(QWidget* window, QMessageBox::Icon icon, const QString& message,
                              QMessageBox::StandardButtons buttons, const QStringList& findings) {
  QString shown = QString::fromStdString(boxMessage(message.toStdString()));
  QStringList listed = findings;
  if (listed.isEmpty()) {
    const QStringList lines = shown.split(u'\n');
    if (lines.size() > kMostMessageLines) {
      shown = lines.first();
      listed = lines.mid(1);
    }
  }
  auto* box = new QMessageBox(icon, QStringLiteral("Musterwright"), shown, buttons, window);
  box->setAttribute(Qt::WA_DeleteOnClose);
  if (!listed.isEmpty()) listFindings(box, listed);
  return box;
}

void addAction(QMessageBox* box, QWidget* window, const QString& action,
               const std::function<void()>& onAction) {
  QPushButton* button = box->addButton(action, QMessageBox::ActionRole);
  QObject::connect(button, &QPushButton::clicked, window, onAction);
}
