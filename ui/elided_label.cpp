// SPDX-License-Identifier: MIT
#include "ui/elided_label.h"

#include <QFontMetrics>
#include <QHelpEvent>
#include <QLayout>
#include <QToolTip>
#include <algorithm>

namespace {

// The room a label's frame, contents margins and margin leave around its text.
QSize around(const QLabel& label) {
  const QMargins margins = label.contentsMargins();
  return {margins.left() + margins.right() + 2 * label.margin(),
          margins.top() + margins.bottom() + 2 * label.margin()};
}

}  // namespace

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setWordWrap(false);
}

void ElidedLabel::setWholeText(const QString& text) {
  whole_ = text;
  setAccessibleName(text);
  updateGeometry();
  // The room the new text is given, at once rather than at the next turn of the event loop.
  if (QLayout* layout = parentWidget() ? parentWidget()->layout() : nullptr) layout->activate();
  showFitted();
}

void ElidedLabel::setElideMode(Qt::TextElideMode mode) {
  mode_ = mode;
  showFitted();
}

QSize ElidedLabel::sizeHint() const {
  const QFontMetrics metrics(font());
  const QSize text = metrics.size(0, whole_);
  return QSize(text.width(), std::max(text.height(), metrics.height())) + around(*this);
}

QSize ElidedLabel::minimumSizeHint() const {
  const QSize whole = sizeHint();
  const int ellipsis =
      QFontMetrics(font()).horizontalAdvance(QChar(0x2026)) + around(*this).width();
  return {std::min(whole.width(), ellipsis), whole.height()};
}

bool ElidedLabel::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip && elided()) {
    const QString given = toolTip();
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(),
                       given.isEmpty() ? whole_ : whole_ + "\n\n" + given, this);
    return true;
  }
  return QLabel::event(event);
}

void ElidedLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  showFitted();
}

void ElidedLabel::showFitted() {
  const QFontMetrics metrics(font());
  const int room = contentsRect().width() - 2 * margin();
  QStringList lines = whole_.split(u'\n');
  for (QString& line : lines) line = metrics.elidedText(line, mode_, room);
  setText(lines.join(u'\n'));
}
