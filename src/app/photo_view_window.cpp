#include "app/photo_view_window.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace corvane {

PhotoViewWindow::PhotoViewWindow(QWidget* parent) : QWidget(parent, Qt::Tool) {
  setObjectName(QStringLiteral("PhotoViewWindow"));
  setWindowTitle(tr("Photoview"));
  auto* layout = new QVBoxLayout(this);
  side1_ = new QRadioButton(tr("Side 1 = C1/S1"), this);
  side2_ = new QRadioButton(tr("Side 2 = C2/S2 (mirrored)"), this);
  silk_ = new QCheckBox(tr("with silkscreen"), this);
  xray_ = new QCheckBox(tr("X-Ray"), this);
  side1_->setChecked(true);
  silk_->setChecked(true);
  for (QWidget* w : {static_cast<QWidget*>(side1_), static_cast<QWidget*>(side2_), static_cast<QWidget*>(silk_),
                     static_cast<QWidget*>(xray_)})
    layout->addWidget(w);
  connect(side2_, &QRadioButton::toggled, this, &PhotoViewWindow::OptionsChanged);
  connect(silk_, &QCheckBox::toggled, this, &PhotoViewWindow::OptionsChanged);
  connect(xray_, &QCheckBox::toggled, this, &PhotoViewWindow::OptionsChanged);
}

TPhotoOptions PhotoViewWindow::Options() const {
  return {side2_->isChecked() ? 2 : 1, silk_->isChecked(), xray_->isChecked()};
}

void PhotoViewWindow::SetOptions(const TPhotoOptions& options) {
  {
    const QSignalBlocker b1(side1_), b2(side2_), b3(silk_), b4(xray_);
    (options.Side == 2 ? side2_ : side1_)->setChecked(true);
    silk_->setChecked(options.Silkscreen);
    xray_->setChecked(options.XRay);
  }
  emit OptionsChanged();
}

void PhotoViewWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  emit VisibilityChanged(true);
}

void PhotoViewWindow::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  emit VisibilityChanged(false);
}

void PhotoViewWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    hide();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace corvane
