// SPDX-License-Identifier: MIT
#include "ui/window_layout.h"

#include <QBoxLayout>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QWidgetItem>
#include <algorithm>

#include "ui/elided_label.h"

namespace {

// Qt's default font, 9 pt at the 96 dpi the form was drawn for: text no larger than it is
// drawn whole at the form's geometry.
bool largerThanFormFont(const QFont& font) {
  QFont formFont(QStringLiteral("Sans Serif"));
  formFont.setPixelSize(9 * 96 / 72);
  const QFontMetrics form(formFont);
  const QFontMetrics used(font);
  return used.height() > form.height() || used.averageCharWidth() > form.averageCharWidth();
}

// The width the listing box needs to show its widest line whole beside its scroll bar.
int widestLineWidth(const QPlainTextEdit* listing) {
  const QFontMetrics metrics(listing->font());
  int widest = 0;
  for (QTextBlock line = listing->document()->firstBlock(); line.isValid(); line = line.next())
    widest = std::max(widest, metrics.horizontalAdvance(line.text()));
  const int margins = static_cast<int>(2 * listing->document()->documentMargin()) +
                      2 * listing->frameWidth() + listing->cursorWidth();
  return widest + margins + listing->verticalScrollBar()->sizeHint().width();
}

// The height a control needs: its form height, or its size hint's where its font outgrows the
// form's.
int neededHeight(const QWidget* control, int formHeight) {
  if (!largerThanFormFont(control->font())) return formHeight;
  return std::max(formHeight, control->sizeHint().height());
}

// A control in the layout: its form size, or its size hint where its font outgrows the
// form's. The listing box may grow without bound; every
// other control keeps that size. A control that the form lets reach `overhang` pixels into the
// window's right margin (a label whose longest text needs it) does so at any size, without
// widening the window. A shortened label (ElidedLabel) needs no more than its minimum width.
class FormItem : public QWidgetItem {
 public:
  FormItem(QWidget* control, bool stretches, int overhang = 0)
      : QWidgetItem(control),
        formSize_(control->size()),
        stretches_(stretches),
        overhang_(overhang) {
    if (!stretches) setAlignment(Qt::AlignLeft | Qt::AlignTop);
  }

  QSize sizeHint() const override { return laidOutSize(); }
  QSize minimumSize() const override { return laidOutSize(); }
  QSize maximumSize() const override {
    return stretches_ ? QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX) : laidOutSize();
  }
  Qt::Orientations expandingDirections() const override {
    return stretches_ ? Qt::Horizontal | Qt::Vertical : Qt::Orientations();
  }
  void setGeometry(const QRect& rect) override {
    if (stretches_) return QWidgetItem::setGeometry(rect);
    widget()->setGeometry(QRect(rect.topLeft(), neededSize()));
  }

 private:
  QSize neededSize() const {
    const QWidget* control = widget();
    QSize size = formSize_;
    if (largerThanFormFont(control->font())) {
      QSize hint = control->sizeHint();
      if (qobject_cast<const ElidedLabel*>(control))
        hint.setWidth(control->minimumSizeHint().width());
      size = size.expandedTo(hint);
    }
    if (const auto* listing = qobject_cast<const QPlainTextEdit*>(control))
      size.setWidth(std::max(size.width(), widestLineWidth(listing)));
    return size;
  }

  QSize laidOutSize() const { return neededSize() - QSize(overhang_, 0); }

  QSize formSize_;
  bool stretches_;
  int overhang_;
};

// A label of the footer line: as tall as the form draws it (or its font needs), as wide as its
// whole text where the line has room, down to one "…" where it has not. The one that `yields`
// gives up its room before the others and takes what they leave.
class FooterItem : public QWidgetItem {
 public:
  FooterItem(QWidget* label, bool yields)
      : QWidgetItem(label), formHeight_(label->height()), yields_(yields) {}

  QSize sizeHint() const override {
    return {yields_ ? shortest() : widget()->sizeHint().width(), height()};
  }
  QSize minimumSize() const override { return {shortest(), height()}; }
  QSize maximumSize() const override {
    return {yields_ ? QWIDGETSIZE_MAX : widget()->sizeHint().width(), height()};
  }
  Qt::Orientations expandingDirections() const override {
    return yields_ ? Qt::Horizontal : Qt::Orientations();
  }
  void setGeometry(const QRect& rect) override {
    widget()->setGeometry(QRect(rect.topLeft(), QSize(rect.width(), height())));
  }

 private:
  int shortest() const { return widget()->minimumSizeHint().width(); }
  int height() const { return neededHeight(widget(), formHeight_); }

  int formHeight_;
  bool yields_;
};

int rightOf(const QWidget* control) {
  return control->x() + control->width();
}

int bottomOf(const QWidget* control) {
  return control->y() + control->height();
}

QBoxLayout* bareLayout(QBoxLayout::Direction direction) {
  auto* layout = new QBoxLayout(direction);
  layout->setSpacing(0);
  layout->setContentsMargins(0, 0, 0, 0);
  return layout;
}

}  // namespace

void layOutWindow(QWidget* window, const WindowParts& parts) {
  const QList<QWidget*>& row = parts.topRow;
  const QList<QWidget*>& column = parts.column;
  QWidget* listing = parts.listing;

  QBoxLayout* top = bareLayout(QBoxLayout::LeftToRight);
  int rowBottom = 0;
  for (qsizetype i = 0; i < row.size(); ++i) {
    if (i > 0) top->addSpacing(row[i]->x() - rightOf(row[i - 1]));
    if (i > 0 && i == row.size() - 1) top->addStretch();
    top->addItem(new FormItem(row[i], false));
    rowBottom = std::max(rowBottom, bottomOf(row[i]));
  }
  top->setContentsMargins(0, 0, window->width() - rightOf(row.last()), 0);

  // The column keeps the top row's right margin; a control reaching into it overhangs.
  // Controls that the form sets at the same height stand in one row, left to right.
  const int columnRight = rightOf(row.last());
  QBoxLayout* stack = bareLayout(QBoxLayout::TopToBottom);
  int above = listing->y();
  for (qsizetype i = 0; i < column.size();) {
    qsizetype end = i + 1;
    while (end < column.size() && column[end]->y() == column[i]->y()) ++end;
    stack->addSpacing(column[i]->y() - above);
    const auto item = [&](qsizetype k) {
      const int overhang = k + 1 == end ? std::max(0, rightOf(column[k]) - columnRight) : 0;
      above = std::max(above, bottomOf(column[k]));
      return new FormItem(column[k], false, overhang);
    };
    if (end == i + 1) {
      stack->addItem(item(i));
    } else {
      QBoxLayout* line = bareLayout(QBoxLayout::LeftToRight);
      line->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      for (qsizetype k = i; k < end; ++k) {
        if (k > i) line->addSpacing(column[k]->x() - rightOf(column[k - 1]));
        line->addItem(item(k));
      }
      stack->addLayout(line);
    }
    i = end;
  }
  stack->addStretch();

  QBoxLayout* body = bareLayout(QBoxLayout::LeftToRight);
  body->addItem(new FormItem(listing, true));
  body->addSpacing(column.first()->x() - rightOf(listing));
  body->addLayout(stack);
  body->setContentsMargins(listing->x() - row.first()->x(), 0, window->width() - columnRight, 0);

  QBoxLayout* whole = bareLayout(QBoxLayout::TopToBottom);
  whole->addLayout(top);
  whole->addSpacing(listing->y() - rowBottom);
  whole->addLayout(body, 1);
  int bottom = bottomOf(listing);
  if (const QList<QWidget*>& footer = parts.footer; !footer.isEmpty()) {
    QBoxLayout* line = bareLayout(QBoxLayout::LeftToRight);
    for (qsizetype i = 0; i < footer.size(); ++i) {
      if (i > 0) line->addSpacing(footer[i]->x() - rightOf(footer[i - 1]));
      line->addItem(new FooterItem(footer[i], i + 1 == footer.size()));
    }
    line->setContentsMargins(footer.first()->x() - row.first()->x(), 0,
                             window->width() - columnRight, 0);
    whole->addSpacing(footer.first()->y() - bottom);
    whole->addLayout(line);
    bottom = bottomOf(footer.first());
  }
  whole->setContentsMargins(row.first()->x(), row.first()->y(), 0, window->height() - bottom);
  window->setLayout(whole);
}
