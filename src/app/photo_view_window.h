#pragma once
// PhotoViewWindow: the non-modal "Photoview" tool window with the side to
// view and the silkscreen and X-Ray switches. Showing and hiding it (also
// with Escape) is reported through VisibilityChanged; every change of an
// option through OptionsChanged.

#include <QWidget>

#include "render/photo_view.h"

class QCheckBox;
class QRadioButton;

namespace corvane {

class PhotoViewWindow : public QWidget {
  Q_OBJECT

 public:
  explicit PhotoViewWindow(QWidget* parent = nullptr);

  TPhotoOptions Options() const;
  void SetOptions(const TPhotoOptions& options);

  QRadioButton* Side1Button() const { return side1_; }
  QRadioButton* Side2Button() const { return side2_; }
  QCheckBox* SilkscreenBox() const { return silk_; }
  QCheckBox* XRayBox() const { return xray_; }

 signals:
  void OptionsChanged();
  void VisibilityChanged(bool shown);

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QRadioButton* side1_ = nullptr;
  QRadioButton* side2_ = nullptr;
  QCheckBox* silk_ = nullptr;
  QCheckBox* xray_ = nullptr;
};

}  // namespace corvane
