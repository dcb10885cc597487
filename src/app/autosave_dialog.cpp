#include "app/autosave_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "app/app_folders.h"

namespace corvane {

namespace {
// A label that toggles its check box when clicked.
class ToggleLabel : public QLabel {
 public:
  ToggleLabel(const QString& text, QCheckBox* box, QWidget* parent) : QLabel(text, parent), box_(box) {}

 protected:
  void mouseReleaseEvent(QMouseEvent*) override { box_->toggle(); }

 private:
  QCheckBox* box_;
};
}  // namespace

AutoSaveDialog::AutoSaveDialog(bool enabled, int intervalMs, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("AutoSave"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, true);
  auto* layout = new QVBoxLayout(this);
  auto* group = new QGroupBox(tr("Options"), this);
  auto* groupLayout = new QVBoxLayout(group);
  auto* row = new QHBoxLayout;
  enabled_ = new QCheckBox(group);
  enabled_->setObjectName(QStringLiteral("AutoSaveEnabled"));
  row->addWidget(enabled_);
  row->addWidget(new ToggleLabel(tr("Save layout periodical") + u'\n' + tr("to backup file (*.bak)"), enabled_, group), 1);
  groupLayout->addLayout(row);
  auto* interval = new QHBoxLayout;
  interval->addWidget(new QLabel(tr("Interval:"), group));
  minutes_ = new QSpinBox(group);
  minutes_->setObjectName(QStringLiteral("AutoSaveMinutes"));
  minutes_->setRange(1, 60);
  minutes_->setSuffix(QStringLiteral(" min"));
  interval->addWidget(minutes_);
  interval->addStretch(1);
  groupLayout->addLayout(interval);
  layout->addWidget(group);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(tr("&OK"), QDialogButtonBox::AcceptRole);
  buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);

  connect(enabled_, &QCheckBox::toggled, minutes_, &QWidget::setEnabled);
  enabled_->setChecked(enabled);
  minutes_->setEnabled(enabled);
  minutes_->setValue(std::clamp(intervalMs / 60000, 1, 60));
}

bool AutoSaveDialog::Enabled() const { return enabled_->isChecked(); }
int AutoSaveDialog::Minutes() const { return minutes_->value(); }

}  // namespace corvane
