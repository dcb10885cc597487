#include "app/message_box.h"

#include <QFileDialog>
#include <QStringList>

namespace corvane {

QString DisplayText(const QString& message) {
  QString shown = message;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace(QChar(u'\r'), QChar(u'\n'));
  return shown;
}

QString DialogFilter(const QString& pipeFilter) {
  const QStringList parts = pipeFilter.split(u'|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i];
    const QString pattern = parts[i + 1].toLower();
    // The description already names the pattern ("Layout files (*.lay)").
    if (!description.contains(u'(')) description += QStringLiteral(" (") + pattern + u')';
    else description = description.left(description.indexOf(u'(')).trimmed() + QStringLiteral(" (") + pattern + u')';
    filters << description;
  }
  return filters.join(QStringLiteral(";;"));
}

QMessageBox::StandardButton TSystemShellAsker::Message(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                                                  const QString& text, QMessageBox::StandardButtons buttons) {
  QMessageBox box(icon, caption, DisplayText(text), buttons, parent);
  box.setWindowModality(Qt::ApplicationModal);
  box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

QString TSystemShellAsker::OpenFileName(QWidget* parent, const QString& folder, const QString& filter) {
  QFileDialog dialog(parent, QString(), folder, DialogFilter(filter));
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setDefaultSuffix(QStringLiteral("lay"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front();
}

QString TSystemShellAsker::SaveFileName(QWidget* parent, const QString& folder, const QString& filter) {
  QFileDialog dialog(parent, QString(), folder, DialogFilter(filter));
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("lay"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front();
}

}  // namespace corvane
