#include "ui/error_box.h"

#include <QMessageBox>

void showError(QWidget* window, const QString& message) {
  auto* box = new QMessageBox(QMessageBox::Critical, QStringLiteral("Musterwright"), message,
                              QMessageBox::Ok, window);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->open();
}
