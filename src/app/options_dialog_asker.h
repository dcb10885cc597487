#pragma once
// TDialogAsker: the questions, messages and pickers the options dialog needs,
// behind an interface so that tests answer them without modal loops.
// TSystemAsker shows the real message boxes and pickers.
#include <QColor>
#include <QString>
#include <optional>
#include <vector>

class QWidget;

namespace corvane {

class TDialogAsker {
 public:
  virtual ~TDialogAsker() = default;
  // Yes/No question with a question icon; true for Yes.
  virtual bool AskYesNo(QWidget* parent, const QString& caption, const QString& text) = 0;
  // A message with an information icon and OK.
  virtual void Inform(QWidget* parent, const QString& caption, const QString& text) = 0;
  // The colour picker with the given custom colours (updated in place when
  // the user changed them); the chosen colour on OK.
  virtual std::optional<QColor> PickColour(QWidget* parent, QColor initial, std::vector<QColor>& customColours) = 0;
  // A folder picker; the chosen folder on OK.
  virtual std::optional<QString> PickFolder(QWidget* parent, const QString& title, const QString& start) = 0;
};

class TSystemAsker : public TDialogAsker {
 public:
  bool AskYesNo(QWidget* parent, const QString& caption, const QString& text) override;
  void Inform(QWidget* parent, const QString& caption, const QString& text) override;
  std::optional<QColor> PickColour(QWidget* parent, QColor initial, std::vector<QColor>& customColours) override;
  std::optional<QString> PickFolder(QWidget* parent, const QString& title, const QString& start) override;
};

}  // namespace corvane
