#pragma once
// TOverlaySprite: a small picture shown over the drawing area (the measuring
// read-out that follows the cursor) that keeps what it covers, so it can be
// moved and removed without a repaint. Hidden before and shown again after
// every repaint.

#include <QImage>
#include <QPoint>

namespace corvane {

class TOverlaySprite {
 public:
  // The picture shown from the next Show on.
  void SetPicture(const QImage& picture) { picture_ = picture; }
  const QImage& Picture() const { return picture_; }
  bool Visible() const { return visible_; }
  QPoint Position() const { return position_; }

  // Restores the area under the old position if the sprite is visible, saves
  // the area under the new top-left position and copies the picture there.
  void Show(QImage& target, QPoint at);
  // Copies the saved area back; nothing when hidden.
  void Hide(QImage& target);

 private:
  void Restore(QImage& target) const;

  QImage picture_;
  QImage saved_;
  QPoint position_;
  bool visible_ = false;
};

}  // namespace corvane
