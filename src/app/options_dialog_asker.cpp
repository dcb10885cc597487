#include "app/options_dialog_asker.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <algorithm>

namespace corvane {
namespace {

// Message lines are separated by a carriage return; the message box wants line feeds.
QString BoxText(QString text) { return text.replace(QLatin1Char('\r'), QLatin1Char('\n')); }

}  // namespace

bool TSystemAsker::AskYesNo(QWidget* parent, const QString& caption, const QString& text) {
  return QMessageBox::question(parent, caption, BoxText(text), QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void TSystemAsker::Inform(QWidget* parent, const QString& caption, const QString& text) {
  QMessageBox::information(parent, caption, BoxText(text));
}

std::optional<QColor> TSystemAsker::PickColour(QWidget* parent, QColor initial, std::vector<QColor>& customColours) {
  const int slotCount = QColorDialog::customCount();
  for (int i = 0; i < slotCount; ++i)
    QColorDialog::setCustomColor(i, i < static_cast<int>(customColours.size()) ? customColours[i] : QColor(Qt::white));
  const QColor chosen = QColorDialog::getColor(initial, parent);
  customColours.clear();
  for (int i = 0; i < slotCount; ++i) customColours.push_back(QColorDialog::customColor(i));
  if (!chosen.isValid()) return std::nullopt;
  return chosen;
}

std::optional<QString> TSystemAsker::PickFolder(QWidget* parent, const QString& title, const QString& start) {
  const QString folder = QFileDialog::getExistingDirectory(parent, title, start);
  if (folder.isEmpty()) return std::nullopt;
  return folder;
}

}  // namespace corvane
