// The main window: four choice lists, the vehicles box, Generate and Save To File, the save
// file's name and the listing box, as TForm1.ui sets them up; at other sizes and fonts they
// follow window_layout.h. Ctrl+R and F5 generate; Ctrl+S, and Enter in the file name box,
// save. A handler that fails shows the reason in a message box over the window and changes
// nothing else in it.
#ifndef MUSTERWRIGHT_UI_TFORM1_H
#define MUSTERWRIGHT_UI_TFORM1_H

#include <QWidget>

#include "ui_TForm1.h"

class TForm1 : public QWidget, public Ui::TForm1 {
  Q_OBJECT

 public:
  // Builds the controls from the form file, places the window's frame at its start position,
  // lays the controls out and wires the two buttons and the keys.
  explicit TForm1(QWidget* parent = nullptr);

 public slots:
  // Generates a force from the chosen words (a list with nothing chosen counts as "Random")
  // and the vehicles box, with a fresh seed, and lists it in MechBox in place of its text.
  void GButtonClick();
  // Writes MechBox's text as it stands, user edits included, to the file FileName names
  // (taken unchanged): one line per text line, each followed by CR LF.
  void ToFileClick();
};

// The window of the running program; null before start-up creates it and after it closes.
extern TForm1* Form1;

#endif
