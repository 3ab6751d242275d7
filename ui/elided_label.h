// SPDX-License-Identifier: MIT
// A label for a text that must never be cut: each line shows whole where the label has room and
// ends in "…" (or loses its middle, as the elide mode says) where it has not; lines never wrap.
// Its size hint is the whole text's and its minimum width one "…", so a layout may give it less
// without growing the window. Whatever it shows, its accessible name is the whole text, and while
// a line is shortened its tooltip shows the whole text above the tooltip it is given.
#ifndef MUSTERWRIGHT_UI_ELIDED_LABEL_H
#define MUSTERWRIGHT_UI_ELIDED_LABEL_H

#include <QLabel>

class ElidedLabel : public QLabel {
  Q_OBJECT
  Q_PROPERTY(Qt::TextElideMode elideMode READ elideMode WRITE setElideMode)

 public:
  explicit ElidedLabel(QWidget* parent = nullptr);

  // Shows `text` (lines separated by line feeds) as the label's room allows.
  void setWholeText(const QString& text);
  const QString& wholeText() const { return whole_; }
  // Whether some line is shown shortened.
  bool elided() const { return text() != whole_; }

  Qt::TextElideMode elideMode() const { return mode_; }
  void setElideMode(Qt::TextElideMode mode);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  bool event(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void showFitted();

  QString whole_;
  Qt::TextElideMode mode_ = Qt::ElideRight;
};

#endif
