#pragma once
// "AutoSave": switches the automatic backup on or off and sets its interval
// in minutes (1..60).
#include <QDialog>

class QCheckBox;
class QSpinBox;

namespace corvane {

class AutoSaveDialog : public QDialog {
  Q_OBJECT

 public:
  // Opens with the timer's state and interval (ms / 60000, rounded down).
  AutoSaveDialog(bool enabled, int intervalMs, QWidget* parent = nullptr);
  bool Enabled() const;
  int Minutes() const;
  QCheckBox* EnabledBox() const { return enabled_; }
  QSpinBox* MinutesField() const { return minutes_; }

 private:
  QCheckBox* enabled_ = nullptr;
  QSpinBox* minutes_ = nullptr;
};

}  // namespace corvane
