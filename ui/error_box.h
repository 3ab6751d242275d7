// Shows a failure to the user without blocking the caller: a critical message box, modal to
// `window`, opened with QDialog::open(). It deletes itself once dismissed, so while it is up
// it can be found as `window`'s QMessageBox child.
#ifndef MUSTERWRIGHT_UI_ERROR_BOX_H
#define MUSTERWRIGHT_UI_ERROR_BOX_H

class QString;
class QWidget;

void showError(QWidget* window, const QString& message);

#endif
