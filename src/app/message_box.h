#pragma once
// Message boxes and file choosers of the main window behind one interface, so
// that tests answer them without modal loops. Messages separate their lines
// by a single carriage return; the box shows each on its own line.
#include <QMessageBox>
#include <QString>

class QWidget;

namespace corvane {

class TShellAsker {
 public:
  virtual ~TShellAsker() = default;
  // An application-modal message box with the icon, caption and buttons;
  // returns the button chosen (the escape button when closed).
  virtual QMessageBox::StandardButton Message(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                                              const QString& text, QMessageBox::StandardButtons buttons) = 0;
  // The open dialog (the file must exist); empty when cancelled.
  virtual QString OpenFileName(QWidget* parent, const QString& folder, const QString& filter) = 0;
  // The save dialog, asking before an existing file is replaced; empty when cancelled.
  virtual QString SaveFileName(QWidget* parent, const QString& folder, const QString& filter) = 0;
};

// The real boxes and dialogs.
class TSystemShellAsker : public TShellAsker {
 public:
  QMessageBox::StandardButton Message(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                                      const QString& text, QMessageBox::StandardButtons buttons) override;
  QString OpenFileName(QWidget* parent, const QString& folder, const QString& filter) override;
  QString SaveFileName(QWidget* parent, const QString& folder, const QString& filter) override;
};

// "Description|pattern|Description|pattern" -> "Description (pattern);;...".
// Patterns are matched without regard to case by the dialogs.
QString DialogFilter(const QString& pipeFilter);

// The text as shown: carriage returns become line breaks.
QString DisplayText(const QString& message);

}  // namespace corvane
