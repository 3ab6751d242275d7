#include "ui/error_box.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox* errorBox(QWidget* window, const QString& message) {
  auto* box = new QMessageBox(QMessageBox::Critical, QStringLiteral("Musterwright"), message,
                              QMessageBox::Ok, window);
  box->setAttribute(Qt::WA_DeleteOnClose);
  return box;
}

}  // namespace

void showError(QWidget* window, const QString& message) {
  errorBox(window, message)->open();
}

void showError(QWidget* window, const QString& message, const QString& action,
               const std::function<void()>& onAction) {
  QMessageBox* box = errorBox(window, message);
  QPushButton* button = box->addButton(action, QMessageBox::ActionRole);
  QObject::connect(button, &QPushButton::clicked, window, onAction);
  box->open();
}
